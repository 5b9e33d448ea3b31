#pragma once

#include "platform/ui/Screen.h"

#include <optional>

class QPlainTextEdit;

namespace korvel {

class TableView;

// The open-source libraries Korvel ships, each opening its licence notice (one screen class for
// the list and for one notice).
class OpenSourceLicensesViewController final : public Screen {
    Q_OBJECT
public:
    // The list without a library; the notice of library `index` with one.
    explicit OpenSourceLicensesViewController(std::optional<int> library = std::nullopt, QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    QPlainTextEdit* noticeView() const { return m_notice; }
    void openLibrary(int index);
    void viewWillAppear(bool animated) override;

private:
    TableView* m_table = nullptr;
    QPlainTextEdit* m_notice = nullptr;
};

}  // namespace korvel
