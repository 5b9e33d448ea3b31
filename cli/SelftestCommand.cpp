#include "cli/SelftestCommand.h"

#include "admin/LockdownProbes.h"
#include "control/ControlClient.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>
#include <QThread>

#include <chrono>

namespace korvel {

namespace {

using namespace std::chrono_literals;

// Whether a Korvel answers on the home now; a free home's lock is let go at once.
ControlClient::Way findKorvel(std::chrono::milliseconds patience)
{
    ControlClient client(Paths::controlSocketFile(), Paths::lockFile());
    return client.open(patience);
}

std::optional<QJsonObject> ask(QString* error)
{
    ControlClient client(Paths::controlSocketFile(), Paths::lockFile());
    if (client.open(5s) != ControlClient::Way::Korvel) {
        *error = client.errorString().isEmpty() ? QStringLiteral("no Korvel answers on this home") : client.errorString();
        return std::nullopt;
    }
    const std::optional<ControlReply> reply = client.send({QStringLiteral("selftest"), {}}, 30s);
    if (!reply || reply->status != 0) {
        *error = reply ? reply->error.trimmed() : client.errorString();
        return std::nullopt;
    }
    const QJsonDocument document = QJsonDocument::fromJson(reply->output.toUtf8());
    if (!document.isObject()) {
        *error = QStringLiteral("the running Korvel does not know the self-test");
        return std::nullopt;
    }
    return document.object();
}

bool waitsForRenderer(const QJsonObject& report)
{
    for (const QJsonValue& p : report.value(QStringLiteral("probes")).toArray()) {
        const QJsonObject probe = p.toObject();
        if (probe.value(QStringLiteral("name")).toString() == QLatin1String("sandbox"))
            return probe.value(QStringLiteral("result")).toString() == QLatin1String("warning");
    }
    return false;
}

}  // namespace

int runSelftestCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    bool json = false;
    for (const QString& a : arguments) {
        if (a != QLatin1String("--json")) {
            err << "korvelctl: usage: selftest [--json]; see korvelctl --help\n";
            return 2;
        }
        json = true;
    }
    // No Korvel runs: one is started without a display on this home, for the test only.
    QProcess kiosk;
    const bool started = findKorvel(2s) == ControlClient::Way::Here;
    if (started) {
        QStringList kioskArguments;
        if (!Paths::home().isEmpty())
            kioskArguments << QStringLiteral("--home") << Paths::home();
        kioskArguments << QStringLiteral("--no-journal");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        kiosk.setProcessEnvironment(environment);
        kiosk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kiosk.setStandardOutputFile(QProcess::nullDevice());
        kiosk.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvel"), kioskArguments);
        if (!kiosk.waitForStarted(10000)) {
            err << "korvelctl: no Korvel runs here and none could be started: " << kiosk.errorString() << "\n";
            return 2;
        }
        err << "korvelctl: no Korvel runs here; started one without a display for the test\n";
    }
    const auto stopKiosk = [&kiosk] {
        if (kiosk.state() == QProcess::NotRunning)
            return;
        kiosk.terminate();
        if (!kiosk.waitForFinished(15000))
            kiosk.kill();
        kiosk.waitForFinished(5000);
    };
    QString error;
    std::optional<QJsonObject> report;
    // The first page's renderer shows the sandbox: a starting kiosk is given up to a minute.
    for (int attempt = 0; attempt < 60; ++attempt) {
        report = ask(&error);
        if (report && !waitsForRenderer(*report))
            break;
        // The started kiosk ended: nothing will answer.
        if (started && kiosk.state() == QProcess::NotRunning) {
            if (!report)
                error = QStringLiteral("the Korvel started for the test ended (exit status %1)").arg(kiosk.exitCode());
            break;
        }
        QThread::sleep(1);
    }
    stopKiosk();
    if (!report) {
        err << "korvelctl: the self-test could not run: " << error << "\n";
        return 2;
    }
    if (json)
        out << QJsonDocument(*report).toJson(QJsonDocument::Indented);
    else
        out << LockdownProbes::toText(*report);
    return LockdownProbes::exitStatus(*report);
}

}  // namespace korvel
