#include "files/ui/ReaderSearchPanel.h"

#include "platform/Timer.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QHash>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfSearchModel>
#include <QPdfSelection>
#include <QVBoxLayout>

namespace korvel {

ReaderSearchPanel::ReaderSearchPanel(QPdfDocument* document, QList<ReaderRules::OutlineEntry> outline, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_outline(std::move(outline))
{
    setObjectName(QStringLiteral("readerSearch"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::current().groupedBackground);
    setPalette(palette);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(Theme::margin, Theme::spacing, Theme::margin, 0);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("readerSearchField"));
    //% "Search in the document"
    m_field->setPlaceholderText(qtTrId("TEXT_PDF_SEARCH_PLACEHOLDER"));
    m_field->setClearButtonEnabled(true);
    m_field->setMinimumHeight(Theme::touchTarget);
    box->addWidget(m_field);
    m_table = new TableView(this);
    box->addWidget(m_table, 1);

    m_model = new QPdfSearchModel(this);
    m_model->setDocument(document);
    // The model reports each page's matches as it gets to them; the rows follow in batches.
    m_refresh = new Timer(this);
    connect(m_refresh, &Timer::timeout, this, &ReaderSearchPanel::collect);
    const auto later = [this] {
        if (!m_refresh->isActive())
            m_refresh->start(std::chrono::milliseconds(100), TimerMode::SingleShot);
    };
    connect(m_model, &QAbstractItemModel::rowsInserted, this, later);
    connect(m_model, &QAbstractItemModel::modelReset, this, later);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, later);
    connect(m_field, &QLineEdit::returnPressed, this, [this] { search(m_field->text()); });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id >= 0 && id < m_matches.size())
            Q_EMIT pageChosen(m_matches.at(id).page);
    });
}

void ReaderSearchPanel::search(const QString& text)
{
    if (m_field->text() != text)
        m_field->setText(text);
    m_model->setSearchString(text.trimmed());
    collect();
}

void ReaderSearchPanel::collect()
{
    m_matches.clear();
    TableSection section;
    QHash<int, QString> pageTexts;
    const int count = m_model->rowCount({});
    for (int row = 0; row < count; ++row) {
        const QModelIndex index = m_model->index(row);
        Match match;
        match.page = index.data(int(QPdfSearchModel::Role::Page)).toInt();
        const int occurrence = index.data(int(QPdfSearchModel::Role::IndexOnPage)).toInt();
        auto text = pageTexts.find(match.page);
        if (text == pageTexts.end())
            text = pageTexts.insert(match.page, m_document->getAllText(match.page).text());
        match.line = ReaderRules::matchedLine(*text, m_model->searchString(), occurrence);
        match.outlineLabel = ReaderRules::outlineLabel(m_outline, match.page);
        match.pageLabel = m_document->pageLabel(match.page);
        TableRow tableRow;
        tableRow.id = int(m_matches.size());
        tableRow.title = match.line;
        //% "Page %1"
        const QString page = qtTrId("TEXT_PDF_PAGE_LABEL").arg(match.pageLabel);
        tableRow.detail = match.outlineLabel.isEmpty() ? page : match.outlineLabel + QStringLiteral(" · ") + page;
        section.rows.append(tableRow);
        m_matches.append(match);
    }
    m_table->setSections({section});
    if (!m_model->searchString().isEmpty() && m_matches.isEmpty()) {
        //% "No matches."
        m_table->setEmptyText(qtTrId("TEXT_PDF_NO_MATCHES"));
    } else {
        m_table->setEmptyText(QString());
    }
    Q_EMIT matchesChanged();
}

}  // namespace korvel
