// The remote control API of a real Korvel (offscreen): one status call, one screenshot, and 100
// calls a second for a while with the page's frame intervals watched (a requestAnimationFrame
// loop in the page reports its longest gap of each second in its title).
//   bench_remote_control [SECONDS of load, default 60]   (offscreen at 1280x800; QT_QPA_PLATFORM=xcb under Xvfb)
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSslCertificate>
#include <QSslError>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <httplib.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

QTemporaryDir home;
QByteArray token;
QByteArray certificate;
int port = 0;
QNetworkAccessManager* network = nullptr;

QString bin(const char* name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/") + QLatin1String(name);
}

QString ctl(const QStringList& arguments)
{
    QProcess p;
    p.start(bin("korvelctl"), QStringList{QStringLiteral("--home"), home.path()} + arguments);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QNetworkReply* send(const QString& path)
{
    QNetworkRequest request(QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(port).arg(path)));
    request.setRawHeader("Authorization", "Bearer " + token);
    QNetworkReply* reply = network->get(request);
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError>& errors) {
        if (reply->sslConfiguration().peerCertificate() == QSslCertificate(certificate))
            reply->ignoreSslErrors(errors);
    });
    return reply;
}

QByteArray get(const QString& path, int* status = nullptr)
{
    QNetworkReply* reply = send(path);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    if (status)
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply->readAll();
}

double percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, qsizetype(p * double(values.size()))));
}

// The page's longest frame gap of the last second, in ms, from its title.
double frameGap()
{
    const QJsonArray windows = QJsonDocument::fromJson(get(QStringLiteral("/v1/status"))).object().value(QStringLiteral("windows")).toArray();
    for (const QJsonValue& w : windows) {
        const QString title = w.toObject().value(QStringLiteral("title")).toString();
        if (title.startsWith(QLatin1String("gap:")))
            return title.mid(4).toDouble();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const int loadSeconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    QNetworkAccessManager manager;
    network = &manager;

    httplib::Server pages;
    pages.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body style='background:#2a6'><script>let last = performance.now(), worst = 0;"
                             "function tick(now) { worst = Math.max(worst, now - last); last = now; requestAnimationFrame(tick); }"
                             "requestAnimationFrame(tick); setInterval(() => { document.title = 'gap:' + worst.toFixed(1); worst = 0; }, 1000);"
                             "</script><div style='width:50px;height:50px;background:#fff;animation:spin 1s linear infinite'></div>"
                             "<style>@keyframes spin { to { transform: rotate(360deg); } }</style></body></html>",
                             "text/html");
    });
    const int pagePort = pages.bind_to_any_port("127.0.0.1");
    std::thread serving([&pages] { pages.listen_after_bind(); });

    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    port = probe.serverPort();
    probe.close();
    ctl({QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("http://127.0.0.1:%1/").arg(pagePort), QStringLiteral("--startup")});
    ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("RemoteControl"), QStringLiteral("true")});
    ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("RemoteControlPort"), QString::number(port)});
    token = ctl({QStringLiteral("remote"), QStringLiteral("token")}).trimmed().split('\n').last().toLatin1();

    QProcess korvel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Offscreen by default, on a screen of a 10-inch panel's size (the platform's own is 800x600);
    // with QT_QPA_PLATFORM=xcb (under Xvfb -screen 0 1280x800x24) on that X server instead.
    if (env.value(QStringLiteral("QT_QPA_PLATFORM")) != QLatin1String("xcb")) {
        const QString screen = home.filePath(QStringLiteral("offscreen.json"));
        QFile config(screen);
        if (!config.open(QIODevice::WriteOnly)
            || config.write(R"({"screens": [{"name": "Panel", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0
            || !config.flush()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(screen));
            return 1;
        }
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screen);
    }
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/xdg-data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/xdg-config"));
    korvel.setProcessEnvironment(env);
    korvel.setProcessChannelMode(QProcess::ForwardedChannels);
    korvel.start(bin("korvel"), {QStringLiteral("--home"), home.path()});
    korvel.waitForStarted(5000);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        QDirIterator it(home.path(), {QStringLiteral("device-certificate.pem")}, QDir::Files, QDirIterator::Subdirectories);
        if (certificate.isEmpty() && it.hasNext()) {
            QFile c(it.next());
            if (c.open(QIODevice::ReadOnly))
                certificate = c.readAll();
        }
        if (!certificate.isEmpty() && frameGap() >= 0)
            break;
        QThread::msleep(250);
    }
    QThread::sleep(3);  // the page settles

    QList<double> status;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        get(QStringLiteral("/v1/status"));
        status.append(double(t.nsecsElapsed()) / 1e6);
    }
    QList<double> shots;
    QSize size;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer t;
        t.start();
        const QByteArray png = get(QStringLiteral("/v1/screenshot"));
        shots.append(double(t.nsecsElapsed()) / 1e6);
        size = QImage::fromData(png, "PNG").size();
    }
    QList<double> idleGaps;
    for (int i = 0; i < 10; ++i) {
        QThread::msleep(1000);
        idleGaps.append(frameGap());
    }

    // 100 calls a second, each answered or not; the page's frame gaps meanwhile.
    QList<double> loaded;
    QList<double> loadGaps;
    int answered = 0, failed = 0;
    QMap<QString, int> failures;  // status code or network error, to its count
    QTimer pace;
    QElapsedTimer clock;
    clock.start();
    // Paced by the clock, not by the timer's ticks: a tick that comes late sends the calls it owes.
    int sent = 0;
    const auto call = [&] {
        ++sent;
        auto* t = new QElapsedTimer;
        t->start();
        QNetworkReply* reply = send(QStringLiteral("/v1/status"));
        QObject::connect(reply, &QNetworkReply::finished, [&, reply, t] {
            const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            (code == 200 ? answered : failed)++;
            if (code != 200)
                failures[code ? QString::number(code) : reply->errorString()]++;
            loaded.append(double(t->nsecsElapsed()) / 1e6);
            const QJsonArray windows = QJsonDocument::fromJson(reply->readAll()).object().value(QStringLiteral("windows")).toArray();
            if (answered % 100 == 0) {
                for (const QJsonValue& w : windows) {
                    const QString title = w.toObject().value(QStringLiteral("title")).toString();
                    if (title.startsWith(QLatin1String("gap:")))
                        loadGaps.append(title.mid(4).toDouble());
                }
            }
            delete t;
            reply->deleteLater();
        });
    };
    QObject::connect(&pace, &QTimer::timeout, [&] {
        while (sent < clock.elapsed() / 10)
            call();
    });
    pace.start(10);
    QEventLoop loop;
    QTimer::singleShot(loadSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    pace.stop();
    QThread::msleep(500);
    QCoreApplication::processEvents();

    std::printf("status call: median %.1f ms, p95 %.1f ms (50 calls)\n", percentile(status, 0.5), percentile(status, 0.95));
    std::printf("screenshot %dx%d: median %.1f ms, max %.1f ms (10 calls)\n", size.width(), size.height(), percentile(shots, 0.5),
                percentile(shots, 1));
    std::printf("load: %d sent, %d answered, %d not, in %d s (%.1f answered a second); latency median %.1f ms, p99 %.1f ms\n", sent,
                answered, failed, loadSeconds, double(answered) / loadSeconds, percentile(loaded, 0.5), percentile(loaded, 0.99));
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        std::printf("  not answered: %d x %s\n", it.value(), qPrintable(it.key()));
    std::printf("page's longest frame gap per second: idle median %.1f ms, max %.1f ms; under load median %.1f ms, max %.1f ms (%lld samples)\n",
                percentile(idleGaps, 0.5), percentile(idleGaps, 1), percentile(loadGaps, 0.5), percentile(loadGaps, 1),
                static_cast<long long>(loadGaps.size()));
    korvel.terminate();
    korvel.waitForFinished(10000);
    pages.stop();
    serving.join();
    return 0;
}
