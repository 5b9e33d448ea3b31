#include "admin/ui/LockdownViewController.h"

#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"

#include <QJsonArray>
#include <QVBoxLayout>

namespace korvel {

namespace {

LockdownViewController::ReportSource& reportSource()
{
    static LockdownViewController::ReportSource source;
    return source;
}

}  // namespace

void LockdownViewController::setReportSource(ReportSource source)
{
    reportSource() = std::move(source);
}

LockdownViewController::LockdownViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("checkLockdown"));
    //% "Check Lockdown"
    setTitle(qtTrId("TITLE_CHECK_LOCKDOWN"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

void LockdownViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    const QJsonObject report = reportSource() ? reportSource()() : QJsonObject();
    const auto row = [](const QString& title, const QString& detail) {
        TableRow r;
        r.title = title;
        r.detail = detail;
        r.detailStyle = DetailStyle::Subtitle;
        return r;
    };
    //% "Web engine"
    TableSection engine{qtTrId("TEXT_WEB_ENGINE"), {},
                        {row(report.value(QStringLiteral("engine")).toString(),
                             report.value(QStringLiteral("switches")).toVariant().toStringList().join(QStringLiteral(", ")))}};
    //% "Probes"
    TableSection probes{qtTrId("TEXT_LOCKDOWN_PROBES"), {}, {}};
    for (const QJsonValue& value : report.value(QStringLiteral("probes")).toArray()) {
        const QJsonObject p = value.toObject();
        const QString result = p.value(QStringLiteral("result")).toString();
        //% "Passed"
        //% "Warning"
        //% "Failed"
        const QString word = result == QLatin1String("passed")    ? qtTrId("TEXT_PROBE_PASSED")
                             : result == QLatin1String("warning") ? qtTrId("TEXT_PROBE_WARNING")
                                                                  : qtTrId("TEXT_PROBE_FAILED");
        const QString advice = p.value(QStringLiteral("advice")).toString();
        TableRow r = row(p.value(QStringLiteral("name")).toString(),
                         word + QStringLiteral(": ") + p.value(QStringLiteral("detail")).toString()
                             + (advice.isEmpty() ? QString() : QStringLiteral("\n") + advice));
        r.image = result == QLatin1String("passed") ? QStringLiteral("checkmark_toast.png") : QStringLiteral("warning_toast.png");
        r.detailWarning = result != QLatin1String("passed");
        probes.rows << r;
    }
    if (probes.rows.isEmpty())
        //% "The check cannot run here: start Korvel in its kiosk session."
        probes.rows << row(qtTrId("TEXT_LOCKDOWN_UNAVAILABLE"), QString());
    m_table->setSections({engine, probes});
}

}  // namespace korvel
