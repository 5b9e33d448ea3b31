#pragma once

#include <QWidget>

#include <functional>

namespace korvel {

// The bar under a home page with its one Downloads item, which opens the download history. The
// home screen and the tabs' home page show it while downloads and their history are both allowed.
class DownloadsBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int barHeight = 52;

    DownloadsBar(std::function<void()> open, QWidget* parent);
};

}  // namespace korvel
