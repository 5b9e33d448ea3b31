#pragma once

#include "files/ReaderRules.h"

#include <QWidget>

class QLineEdit;
class QPdfDocument;
class QPdfSearchModel;

namespace korvel {

class TableView;
class Timer;

// Search over the whole document: one row per match with the line it stands in, the outline
// entry that holds it and its page label. The search runs page by page in the background and
// stops when the panel goes.
class ReaderSearchPanel final : public QWidget {
    Q_OBJECT
public:
    struct Match {
        QString line;
        QString outlineLabel;
        QString pageLabel;
        int page = 0;
    };

    ReaderSearchPanel(QPdfDocument* document, QList<ReaderRules::OutlineEntry> outline, QWidget* parent);

    void search(const QString& text);
    QLineEdit* searchField() const { return m_field; }
    TableView* resultsTable() const { return m_table; }
    // The matches found so far, in document order.
    const QList<Match>& matches() const { return m_matches; }

Q_SIGNALS:
    void pageChosen(int page);
    void matchesChanged();

private:
    void collect();

    QPdfDocument* m_document;
    QList<ReaderRules::OutlineEntry> m_outline;
    QPdfSearchModel* m_model = nullptr;
    QLineEdit* m_field = nullptr;
    TableView* m_table = nullptr;
    Timer* m_refresh = nullptr;
    QList<Match> m_matches;
};

}  // namespace korvel
