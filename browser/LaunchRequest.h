#pragma once

#include <QString>
#include <QUrl>

#include <variant>

namespace korvel {

// A page's request to open another application: "...window.korvel.launch.TARGET". Only non-web
// targets can be launched.
class LaunchRequest {
public:
    struct Refused {
        QString alert;  // the text of the alert to show
    };

    // The application address to open, as exact text (a URL parser would fold "scheme://http://"
    // into "scheme://http//"), or the refusal.
    static std::variant<QString, Refused> parse(const QString& requestText);
};

}  // namespace korvel
