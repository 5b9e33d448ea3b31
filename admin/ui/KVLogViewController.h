#pragma once

#include "log/LogEntry.h"
#include "log/LogQuery.h"
#include "log/LogViewOptions.h"
#include "platform/ui/Screen.h"

#include <QList>
#include <QPointer>

class QLineEdit;
class QListView;
class QPushButton;

namespace korvel {

class Alert;
class LogListModel;

// The event log on the settings menu: one line per entry, tinted by kind, with a search bar, view
// options, clearing, mailing the shown lines, and allowing or deleting the website an entry names.
class KVLogViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVLogViewController(QWidget* parent = nullptr);
    ~KVLogViewController() override;

    // The log screen most recently created; nullptr once it is gone.
    static KVLogViewController* getLogViewControllerObject();

    // The reading the list shows; takes effect with the next reload().
    void setQuery(const LogQuery& query) { m_query = query; }
    const LogQuery& query() const { return m_query; }
    const LogViewOptions& viewOptions() const { return m_options; }
    // Reads the log again with the current query and shows all of it (a search stays applied
    // while its bar is shown).
    void reload();
    // Options chosen on the options screen: builds the query from them and reloads.
    void loadSelectionQuery(const LogViewOptions& options);

    // What the list shows now, and everything the query returned.
    QStringList shownLines() const;
    const QList<LogEntry>& databaseArray() const { return m_database; }
    QString searchString() const { return m_searchString; }

    QListView* listView() const { return m_list; }
    QLineEdit* searchBar() const { return m_searchBar; }
    QPushButton* searchButton() const { return m_searchButton; }
    QPushButton* clearButton() const { return m_clearButton; }
    QPushButton* optionsButton() const { return m_optionsButton; }
    QPushButton* mailButton() const { return m_mailButton; }

    // The search button: shows the bar with the last search text, already applied.
    void showSearchBar();
    // Hides the bar and shows every line again.
    void refresh();
    // The keyboard's search key: with text keeps the result and hides the bar; without, refresh().
    void searchReturn();
    // "Clear Log": asks, and on "Yes" empties the log.
    Alert* clearLog();
    // Pushes the view options screen.
    void viewSelect();
    // Hands the shown lines to the mail program, addressed to the fleet's support address; without
    // one the administrator is asked where the log goes. Without a mail program the lines are
    // left in Documents.
    void mailTo();
    // A tap on the line at `row`: offers to allow or delete the website it names. Returns the
    // sheet, or nullptr when the line names none (or the search bar is shown).
    Alert* didSelectRow(int row);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    void mailLogTo(const QString& recipient);
    void searchTextChanged(const QString& text);
    void setSearchBarShown(bool shown);
    void allowWebsite(const QString& url);
    void deleteWebsite(const QString& url);
    void scrollToBottom();

    LogQuery m_query;
    LogViewOptions m_options;
    QList<LogEntry> m_database;
    QStringList m_databaseLines;  // their display lines, made once per reading
    QString m_searchString;
    LogListModel* m_model = nullptr;
    QListView* m_list = nullptr;
    QLineEdit* m_searchBar = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_optionsButton = nullptr;
    QPushButton* m_mailButton = nullptr;
    QPointer<Alert> m_sheet;
};

}  // namespace korvel
