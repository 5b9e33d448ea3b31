#include "files/ui/ReaderSearchPanel.h"

#include "platform/ui/FieldButtons.h"
#include "files/ui/ReaderDocument.h"

#include "platform/Timer.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QHash>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

ReaderSearchPanel::ReaderSearchPanel(ReaderDocument* document, QList<ReaderRules::OutlineEntry> outline, QWidget* parent)
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
    addClearButton(m_field);
    m_field->setMinimumHeight(Theme::touchTarget);
    box->addWidget(m_field);
    m_table = new TableView(this);
    box->addWidget(m_table, 1);

    // The rows follow the pages searched in batches.
    m_refresh = new Timer(this);
    connect(m_refresh, &Timer::timeout, this, &ReaderSearchPanel::collect);
    connect(m_document, &ReaderDocument::textReady, this, &ReaderSearchPanel::onText);
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
    for (auto it = m_asked.constBegin(); it != m_asked.constEnd(); ++it)
        m_document->drop(it.key());
    m_asked.clear();
    m_found.clear();
    m_needle = text.trimmed();
    m_nextPage = m_needle.isEmpty() || m_document->pageCount() == 0 ? -1 : 0;
    askForText();
    collect();
}

void ReaderSearchPanel::askForText()
{
    // Two pages in line keep the helper busy without filling the line for the shown page.
    while (m_nextPage >= 0 && m_asked.size() < 2) {
        const int page = m_nextPage;
        m_nextPage = page + 1 < m_document->pageCount() ? page + 1 : -1;
        if (const quint64 ticket = m_document->requestText(page))
            m_asked.insert(ticket, page);
    }
}

void ReaderSearchPanel::onText(quint64 ticket, const QString& text)
{
    const auto asked = m_asked.constFind(ticket);
    if (asked == m_asked.constEnd())
        return;
    const int page = *asked;
    m_asked.erase(asked);
    qsizetype found = 0;
    for (const QStringList& lines : std::as_const(m_found))
        found += lines.size();
    const QStringList lines = ReaderRules::matchedLines(text, m_needle, int(std::max<qsizetype>(0, maximumMatches - found)));
    if (!lines.isEmpty())
        m_found.insert(page, lines);
    if (found + lines.size() >= maximumMatches)
        m_nextPage = -1;
    askForText();
    if (!m_refresh->isActive())
        m_refresh->start(std::chrono::milliseconds(100), TimerMode::SingleShot);
}

void ReaderSearchPanel::collect()
{
    m_matches.clear();
    TableSection section;
    QList<int> pages = m_found.keys();
    std::sort(pages.begin(), pages.end());
    for (int page : pages) {
        for (const QString& line : m_found.value(page)) {
            Match match;
            match.page = page;
            match.line = line;
            match.outlineLabel = ReaderRules::outlineLabel(m_outline, page);
            match.pageLabel = m_document->pageLabel(page).isEmpty() ? QString::number(page + 1) : m_document->pageLabel(page);
            TableRow tableRow;
            tableRow.id = int(m_matches.size());
            tableRow.title = match.line;
            //% "Page %1"
            const QString pageText = qtTrId("TEXT_PDF_PAGE_LABEL").arg(match.pageLabel);
            tableRow.detail = match.outlineLabel.isEmpty() ? pageText : match.outlineLabel + QStringLiteral(" · ") + pageText;
            section.rows.append(tableRow);
            m_matches.append(match);
        }
    }
    m_table->setSections({section});
    if (!m_needle.isEmpty() && m_matches.isEmpty() && finished()) {
        //% "No matches."
        m_table->setEmptyText(qtTrId("TEXT_PDF_NO_MATCHES"));
    } else {
        m_table->setEmptyText(QString());
    }
    Q_EMIT matchesChanged();
}

}  // namespace korvel
