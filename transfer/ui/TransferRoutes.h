#pragma once

#include <QString>

#include <functional>

namespace korvel {

class Screen;

// The ways out of the transfer screens to screens they cannot know, installed by the shell at
// launch. A way left empty does nothing.
struct TransferRoutes {
    // Shows a picker of pictures over `over` and calls `chosen` with the picked file's path.
    std::function<void(Screen* over, std::function<void(const QString& path)> chosen)> pickPicture;

    static const TransferRoutes& current();
    static void install(TransferRoutes routes);
};

}  // namespace korvel
