#pragma once

#include "files/ReaderRules.h"

#include <QHash>
#include <QWidget>

class QLineEdit;

namespace korvel {

class ReaderDocument;
class TableView;
class Timer;

// Search over the whole document: one row per match with the line it stands in, the outline
// entry that holds it and its page label. The pages' texts are asked of the document's helper one
// after another, behind the shown page; the rows follow in batches, and the search stops when the
// panel goes or another one starts.
class ReaderSearchPanel final : public QWidget {
    Q_OBJECT
public:
    struct Match {
        QString line;
        QString outlineLabel;
        QString pageLabel;
        int page = 0;
    };

    // At most this many matches are listed for one search.
    static constexpr int maximumMatches = 2000;

    ReaderSearchPanel(ReaderDocument* document, QList<ReaderRules::OutlineEntry> outline, QWidget* parent);

    void search(const QString& text);
    QLineEdit* searchField() const { return m_field; }
    TableView* resultsTable() const { return m_table; }
    // The matches found so far, in document order.
    const QList<Match>& matches() const { return m_matches; }
    // Whether every page has been searched.
    bool finished() const { return m_nextPage < 0 && m_asked.isEmpty(); }

Q_SIGNALS:
    void pageChosen(int page);
    void matchesChanged();

private:
    void askForText();
    void onText(quint64 ticket, const QString& text);
    void collect();

    ReaderDocument* m_document;
    QList<ReaderRules::OutlineEntry> m_outline;
    QLineEdit* m_field = nullptr;
    TableView* m_table = nullptr;
    Timer* m_refresh = nullptr;
    QString m_needle;
    int m_nextPage = -1;                // the next page to ask for; -1 when all were asked
    QHash<quint64, int> m_asked;        // tickets by page
    QHash<int, QStringList> m_found;    // lines by page, of the pages searched so far
    QList<Match> m_matches;
};

}  // namespace korvel
