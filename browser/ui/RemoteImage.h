#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkReply;

namespace korvel {

// One image fetched over HTTP(S) for the home screen (favicons, a web wallpaper). The answer is
// delivered once, on the main thread, as a null image on any failure: a bad address, an HTTP error,
// a body that is no image or larger than the limit. Deleting the loader or its context abandons it.
class RemoteImage final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 maximumBytes = 16 * 1024 * 1024;

    // Starts loading `url`; `done` runs unless `context` is destroyed or cancel() is called first.
    static RemoteImage* load(const QUrl& url, QObject* context, std::function<void(const QImage&)> done);
    void cancel();

private:
    RemoteImage(QObject* context, std::function<void(const QImage&)> done);
    void finish(const QImage& image);

    QPointer<QNetworkReply> m_reply;
    std::function<void(const QImage&)> m_done;
};

}  // namespace korvel
