#include "files/ui/ReaderContentsPanel.h"

#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QAbstractListModel>
#include <QCache>
#include <QListView>
#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QScroller>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr QSize gridPicture(96, 128);

// The pages as pictures, rendered only when the grid shows them and kept in a bounded cache.
class PagePictures final : public QAbstractListModel {
public:
    explicit PagePictures(QPdfDocument* document, QObject* parent)
        : QAbstractListModel(parent)
        , m_document(document)
        , m_cache(120)
    {
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_document->pageCount(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int page = index.row();
        if (role == Qt::DisplayRole)
            return m_document->pageLabel(page);
        if (role != Qt::DecorationRole)
            return {};
        if (QImage* cached = m_cache.object(page))
            return *cached;
        const QSize size = m_document->pagePointSize(page).scaled(QSizeF(gridPicture), Qt::KeepAspectRatio).toSize();
        // Pages render on a transparent ground; a page is white paper.
        auto* image = new QImage(size, QImage::Format_RGB32);
        image->fill(Qt::white);
        QPainter painter(image);
        painter.drawImage(0, 0, m_document->render(page, size));
        painter.setPen(Qt::lightGray);
        painter.drawRect(image->rect().adjusted(0, 0, -1, -1));
        m_cache.insert(page, image);
        return *image;
    }

private:
    QPdfDocument* m_document;
    mutable QCache<int, QImage> m_cache;
};

}  // namespace

QList<ReaderRules::OutlineEntry> ReaderContentsPanel::readOutline(QPdfDocument* document, QList<int>* levels)
{
    QList<ReaderRules::OutlineEntry> entries;
    QPdfBookmarkModel model;
    model.setDocument(document);
    const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int level) {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            entries.append({index.data(int(QPdfBookmarkModel::Role::Title)).toString(),
                            index.data(int(QPdfBookmarkModel::Role::Page)).toInt()});
            if (levels)
                levels->append(level);
            walk(index, level + 1);
        }
    };
    walk({}, 0);
    return entries;
}

ReaderContentsPanel::ReaderContentsPanel(QPdfDocument* document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("readerContents"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::current().groupedBackground);
    setPalette(palette);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(Theme::margin, Theme::spacing, Theme::margin, 0);
    //% "Contents"
    //% "Pages"
    m_modes = new SegmentedControl({qtTrId("TEXT_PDF_CONTENTS"), qtTrId("TEXT_PDF_PAGES")}, this);
    box->addWidget(m_modes);

    QList<int> levels;
    m_outline = readOutline(document, &levels);
    m_table = new TableView(this);
    TableSection section;
    for (int i = 0; i < m_outline.size(); ++i) {
        TableRow row;
        row.id = i;
        row.title = QString(levels.at(i) * 4, QLatin1Char(' ')) + m_outline.at(i).title;
        row.detail = m_document->pageLabel(m_outline.at(i).page);
        row.detailStyle = DetailStyle::Value;
        section.rows.append(row);
    }
    m_table->setSections({section});
    //% "This document has no table of contents."
    m_table->setEmptyText(qtTrId("TEXT_PDF_NO_CONTENTS"));
    box->addWidget(m_table, 1);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) { Q_EMIT pageChosen(m_outline.at(id).page); });

    m_grid = new QListView(this);
    m_grid->setObjectName(QStringLiteral("readerPageGrid"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setMovement(QListView::Static);
    m_grid->setUniformItemSizes(true);
    m_grid->setIconSize(gridPicture);
    m_grid->setGridSize(gridPicture + QSize(24, 40));
    m_grid->setFrameShape(QFrame::NoFrame);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setModel(new PagePictures(document, m_grid));
    // White pages stand out on the grouped background.
    QPalette gridPalette = m_grid->palette();
    gridPalette.setColor(QPalette::Base, Theme::current().groupedBackground);
    m_grid->setPalette(gridPalette);
    QScroller::grabGesture(m_grid->viewport(), QScroller::LeftMouseButtonGesture);
    box->addWidget(m_grid, 1);
    connect(m_grid, &QListView::clicked, this, [this](const QModelIndex& index) { Q_EMIT pageChosen(index.row()); });

    connect(m_modes, &SegmentedControl::selectionChanged, this, [this](int index) { setMode(index == 0 ? Mode::Outline : Mode::Pages); });
    // A document without an outline opens on its pages.
    setMode(m_outline.isEmpty() ? Mode::Pages : Mode::Outline);
}

void ReaderContentsPanel::setMode(Mode mode)
{
    m_mode = mode;
    m_modes->setSelectedIndex(mode == Mode::Outline ? 0 : 1);
    m_table->setVisible(mode == Mode::Outline);
    m_grid->setVisible(mode == Mode::Pages);
}

}  // namespace korvel
