#pragma once

#include "files/DownloadFiles.h"
#include "platform/ui/Screen.h"

#include <QList>
#include <QSet>

class QPushButton;

namespace korvel {

class NavigationStack;
class TableView;

// The download history: one row per entry, oldest first. A tap offers a stored file; editing marks
// entries to take off the list (their files stay in Documents).
class KVDownloadHistoryViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVDownloadHistoryViewController(QWidget* parent = nullptr);

    // Pushes a new history screen on `stack`, unless one is on top already.
    static void showOn(NavigationStack* stack);
    // The same on the stack of the key window's main screens.
    static void showOnMainStack();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    // Rebuilds the rows from the store ("reload_download_history_table").
    void reloadData();
    TableView* tableView() const { return m_table; }
    const QList<DownloadFiles::DownloadHistoryRow>& rows() const { return m_rows; }

    bool isEditing() const { return m_editing; }
    void setEditing(bool editing);
    void didSelectRow(int index);
    void selectAllPressed();
    // Without a marked row a toast; otherwise the question, and Yes takes the marked entries off.
    void deletePressed();
    QSet<qint64> selectedIds() const { return m_selected; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    void updateEditBar();
    void updateBarButton();

    TableView* m_table = nullptr;
    QWidget* m_editBar = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_delete = nullptr;
    QList<DownloadHistoryParam> m_entries;
    QList<DownloadFiles::DownloadHistoryRow> m_rows;
    QSet<qint64> m_selected;
    bool m_editing = false;
};

}  // namespace korvel
