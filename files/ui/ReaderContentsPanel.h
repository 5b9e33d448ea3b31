#pragma once

#include "files/ReaderRules.h"

#include <QWidget>

class QListView;

namespace korvel {

class ReaderDocument;
class SegmentedControl;
class TableView;

// The reader's contents: the document's outline (tapping an entry goes to its page) or a grid of
// all pages (tapping one goes to it), switched by a segmented control.
class ReaderContentsPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Outline, Pages };

    ReaderContentsPanel(ReaderDocument* document, QWidget* parent);

    // The outline in document order, parents before children, as the document opened with it.
    const QList<ReaderRules::OutlineEntry>& outline() const { return m_outline; }
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    TableView* outlineTable() const { return m_table; }
    QListView* pageGrid() const { return m_grid; }
    SegmentedControl* modeControl() const { return m_modes; }

Q_SIGNALS:
    void pageChosen(int page);

private:
    ReaderDocument* m_document;
    QList<ReaderRules::OutlineEntry> m_outline;
    Mode m_mode = Mode::Outline;
    SegmentedControl* m_modes = nullptr;
    TableView* m_table = nullptr;
    QListView* m_grid = nullptr;
};

}  // namespace korvel
