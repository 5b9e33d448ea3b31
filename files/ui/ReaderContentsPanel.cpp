#include "files/ui/ReaderContentsPanel.h"

#include "files/ui/ReaderDocument.h"

#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QAbstractListModel>
#include <QCache>
#include <QListView>
#include <QPainter>
#include <QScroller>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr QSize gridPicture(96, 128);

// The pages as pictures, asked of the document's helper only when the grid shows them and kept in
// a bounded cache; blank paper until a picture arrives.
class PagePictures final : public QAbstractListModel {
public:
    explicit PagePictures(ReaderDocument* document, QObject* parent)
        : QAbstractListModel(parent)
        , m_document(document)
        , m_cache(120)
    {
        connect(document, &ReaderDocument::rendered, this, [this](quint64 ticket, const QImage& image) {
            const auto asked = m_asked.constFind(ticket);
            if (asked == m_asked.constEnd())
                return;
            const int page = *asked;
            m_asked.erase(asked);
            auto* picture = new QImage(image.isNull() ? blank(page) : image);
            QPainter painter(picture);
            painter.setPen(Qt::lightGray);
            painter.drawRect(picture->rect().adjusted(0, 0, -1, -1));
            painter.end();
            m_cache.insert(page, picture);
            Q_EMIT dataChanged(index(page), index(page), {Qt::DecorationRole});
        });
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_document->pageCount(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int page = index.row();
        if (role == Qt::DisplayRole)
            return m_document->pageLabel(page).isEmpty() ? QString::number(page + 1) : m_document->pageLabel(page);
        if (role != Qt::DecorationRole)
            return {};
        if (QImage* cached = m_cache.object(page))
            return *cached;
        const QList<int> waiting = m_asked.values();
        if (!waiting.contains(page)) {
            if (const quint64 ticket = m_document->requestRender(page, size(page), QRect(), ReaderDocument::Priority::Picture))
                m_asked.insert(ticket, page);
        }
        return blank(page);
    }

private:
    QSize size(int page) const { return m_document->pagePointSize(page).scaled(QSizeF(gridPicture), Qt::KeepAspectRatio).toSize(); }
    QImage blank(int page) const
    {
        QImage image(size(page).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    ReaderDocument* m_document;
    mutable QCache<int, QImage> m_cache;
    mutable QHash<quint64, int> m_asked;
};

}  // namespace

ReaderContentsPanel::ReaderContentsPanel(ReaderDocument* document, QWidget* parent)
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

    m_outline = document->outline();
    const QList<int>& levels = document->outlineLevels();
    m_table = new TableView(this);
    TableSection section;
    for (int i = 0; i < m_outline.size(); ++i) {
        TableRow row;
        row.id = i;
        row.title = QString(levels.value(i) * 4, QLatin1Char(' ')) + m_outline.at(i).title;
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
