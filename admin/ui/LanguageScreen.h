#pragma once

#include "platform/ui/Screen.h"

#include <QStringList>

namespace korvel {

class TableView;

// The "Language" preference: the system's language and every shipped catalogue, each named in
// its own language, with a check mark on the one in use. A touch stores the choice at once; the
// kiosk then speaks it on every screen.
class LanguageScreen final : public Screen {
    Q_OBJECT
public:
    explicit LanguageScreen(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    // The preference values in row order; the first, empty, is the system's language.
    const QStringList& choices() const { return m_choices; }
    void choose(int row);
    void viewDidLoad() override;

private:
    QStringList m_choices;
    TableView* m_table = nullptr;
};

}  // namespace korvel
