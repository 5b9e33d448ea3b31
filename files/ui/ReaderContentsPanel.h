#pragma once

#include "files/ReaderRules.h"

#include <QWidget>

class QListView;
class QPdfDocument;

namespace korvel {

class SegmentedControl;
class TableView;

// The reader's contents: the document's outline (tapping an entry goes to its page) or a grid of
// all pages (tapping one goes to it), switched by a segmented control.
class ReaderContentsPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Outline, Pages };

    ReaderContentsPanel(QPdfDocument* document, QWidget* parent);

    // The outline in document order, parents before children; read once when the document opened.
    const QList<ReaderRules::OutlineEntry>& outline() const { return m_outline; }
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    TableView* outlineTable() const { return m_table; }
    QListView* pageGrid() const { return m_grid; }
    SegmentedControl* modeControl() const { return m_modes; }

    // The outline of `document` flattened in document order, with each entry's depth.
    static QList<ReaderRules::OutlineEntry> readOutline(QPdfDocument* document, QList<int>* levels = nullptr);

Q_SIGNALS:
    void pageChosen(int page);

private:
    QPdfDocument* m_document;
    QList<ReaderRules::OutlineEntry> m_outline;
    Mode m_mode = Mode::Outline;
    SegmentedControl* m_modes = nullptr;
    TableView* m_table = nullptr;
    QListView* m_grid = nullptr;
};

}  // namespace korvel
