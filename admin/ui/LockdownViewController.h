#pragma once

#include "platform/ui/Screen.h"

#include <QJsonObject>

#include <functional>

namespace korvel {

class TableView;

// "Check Lockdown": the self-test's table, as korvelctl selftest prints it. The report comes from
// the shell, which knows the window system; without it the screen says the test cannot run here.
class LockdownViewController final : public Screen {
    Q_OBJECT
public:
    using ReportSource = std::function<QJsonObject()>;
    static void setReportSource(ReportSource source);

    explicit LockdownViewController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    void viewWillAppear(bool animated) override;

private:
    TableView* m_table = nullptr;
};

}  // namespace korvel
