#include "admin/ui/KVLogViewController.h"

#include "platform/ui/FieldButtons.h"
#include "admin/ui/KVLogOptionsViewController.h"
#include "log/KVLog.h"
#include "log/LogLine.h"
#include "log/LogMail.h"
#include "platform/Device.h"
#include "platform/MailClient.h"
#include "platform/Timer.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "policy/AllowedWebsiteEditing.h"
#include "settings/KVSettings.h"

#include <QAbstractListModel>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QScroller>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QVBoxLayout>

namespace korvel {

// The shown lines with their tints. A list model, so that five thousand lines cost five thousand
// strings, not five thousand widgets.
class LogListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(QStringList lines)
    {
        beginResetModel();
        m_lines = std::move(lines);
        m_tones.clear();
        m_tones.reserve(m_lines.size());
        for (const QString& line : m_lines)
            m_tones.append(LogLine::tone(line));
        endResetModel();
    }
    const QStringList& lines() const { return m_lines; }
    LogTone tone(int row) const { return m_tones.value(row, LogTone::Plain); }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(m_lines.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole && index.isValid())
            return m_lines.value(index.row());
        return {};
    }

private:
    QStringList m_lines;
    QList<LogTone> m_tones;
};

namespace {

QColor toneColour(LogTone tone)
{
    // Half-transparent over the row, so the same tints read on light and dark ground.
    switch (tone) {
    case LogTone::Plain:
        return Qt::transparent;
    case LogTone::Warning:
        return QColor::fromRgbF(1.0f, 1.0f / 3.0f, 0.0f, 0.5f);
    case LogTone::Error:
        return QColor::fromRgbF(1.0f, 0.0f, 0.0f, 0.5f);
    case LogTone::Added:
        return QColor::fromRgbF(0.0f, 1.0f, 0.0f, 0.5f);
    }
    return Qt::transparent;
}

constexpr int linesPerRow = 2;

int rowHeight()
{
    return qMax(Theme::rowHeight, QFontMetrics(Theme::bodyFont()).lineSpacing() * linesPerRow + 2 * Theme::spacing);
}

// One log line: its tint, up to two wrapped lines of text, a separator.
class LogLineDelegate final : public QStyledItemDelegate {
public:
    LogLineDelegate(LogListModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), rowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const Theme& theme = Theme::current();
        painter->save();
        painter->fillRect(option.rect, theme.cell);
        painter->fillRect(option.rect, toneColour(m_model->tone(index.row())));
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect, theme.selection);
        painter->setPen(theme.separator);
        painter->drawLine(option.rect.bottomLeft() + QPoint(Theme::margin, 0), option.rect.bottomRight());
        painter->setPen(theme.label);
        const QFont font = Theme::bodyFont();
        painter->setFont(font);
        const QRect text = option.rect.adjusted(Theme::margin, Theme::spacing, -Theme::margin, -Theme::spacing);
        drawWrapped(painter, text, font, index.data().toString());
        painter->restore();
    }

private:
    // Wraps at word boundaries and ends the last line that fits with an ellipsis.
    static void drawWrapped(QPainter* painter, const QRect& rect, const QFont& font, const QString& text)
    {
        const QFontMetrics metrics(font);
        QTextLayout layout(text, font);
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(wrap);
        layout.beginLayout();
        QStringList parts;
        for (int n = 0; n < linesPerRow; ++n) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(rect.width());
            const bool last = n == linesPerRow - 1;
            const QString part = text.mid(line.textStart(), last ? -1 : line.textLength());
            parts << (last ? metrics.elidedText(part.simplified(), Qt::ElideRight, rect.width()) : part.trimmed());
        }
        layout.endLayout();
        // One line or two, the text sits in the middle of the row.
        int y = rect.top() + (rect.height() - metrics.lineSpacing() * int(parts.size())) / 2;
        for (const QString& part : parts) {
            painter->drawText(QRect(rect.left(), y, rect.width(), metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter, part);
            y += metrics.lineSpacing();
        }
    }

    LogListModel* m_model;
};

QPushButton* toolbarButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setProperty("flat", true);
    button->setMinimumHeight(Theme::touchTarget);
    button->setFont(Theme::bodyFont());
    return button;
}

}  // namespace

KVLogViewController::KVLogViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("logViewer"));
    //% "Korvel Log"
    setTitle(qtTrId("LOG_TITLE"));
    m_query.categories.reset();
    m_query.order = LogOrder::OldestFirst;

    m_searchBar = new QLineEdit(this);
    m_searchBar->setObjectName(QStringLiteral("logSearchBar"));
    //% "Search the log"
    m_searchBar->setPlaceholderText(qtTrId("TEXT_SEARCH_LOG"));
    addClearButton(m_searchBar);
    m_searchBar->setMinimumHeight(Theme::touchTarget);
    m_searchBar->hide();
    connect(m_searchBar, &QLineEdit::textEdited, this, &KVLogViewController::searchTextChanged);
    connect(m_searchBar, &QLineEdit::returnPressed, this, &KVLogViewController::searchReturn);

    m_model = new LogListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("logList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new LogLineDelegate(m_model, m_list));
    m_list->setUniformItemSizes(true);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QScroller::grabGesture(m_list->viewport(), QScroller::LeftMouseButtonGesture);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { didSelectRow(index.row()); });

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("logToolbar"));
    bar->setMinimumHeight(Theme::toolbarHeight);
    bar->setAutoFillBackground(true);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(Theme::spacing, 0, Theme::spacing, 0);
    //% "Search"
    m_searchButton = toolbarButton(qtTrId("TEXT_SEARCH"), bar);
    //% "Clear Log"
    m_clearButton = toolbarButton(qtTrId("LOG_CLEAR"), bar);
    //% "View Options"
    m_optionsButton = toolbarButton(qtTrId("TEXT_LOG_VIEW_OPTIONS"), bar);
    //% "Mail Log"
    m_mailButton = toolbarButton(qtTrId("TEXT_MAIL_LOG"), bar);
    for (QPushButton* b : {m_searchButton, m_clearButton, m_optionsButton, m_mailButton})
        buttons->addWidget(b, 1);
    connect(m_searchButton, &QPushButton::clicked, this, [this] {
        if (m_searchBar->isVisible())
            refresh();
        else
            showSearchBar();
    });
    connect(m_clearButton, &QPushButton::clicked, this, &KVLogViewController::clearLog);
    connect(m_optionsButton, &QPushButton::clicked, this, &KVLogViewController::viewSelect);
    connect(m_mailButton, &QPushButton::clicked, this, &KVLogViewController::mailTo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* searchBox = new QHBoxLayout;
    searchBox->setContentsMargins(Theme::spacing, Theme::spacing, Theme::spacing, Theme::spacing);
    searchBox->addWidget(m_searchBar);
    layout->addLayout(searchBox);
    layout->addWidget(m_list, 1);
    layout->addWidget(bar);
}

KVLogViewController::~KVLogViewController() = default;

void KVLogViewController::viewDidLoad()
{
    reload();
}

void KVLogViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

void KVLogViewController::viewDidAppear(bool)
{
    scrollToBottom();
}

void KVLogViewController::viewWillDisappear(bool)
{
    if (m_sheet)
        m_sheet->dismiss();
}

void KVLogViewController::scrollToBottom()
{
    // The newest entry is last under the initial order: that is where the administrator looks.
    if (m_model->rowCount({}) > 0)
        m_list->scrollToBottom();
}

void KVLogViewController::reload()
{
    LogQuery reading = m_query;
    reading.search.clear();
    m_database = reading.run();
    m_databaseLines.clear();
    m_databaseLines.reserve(m_database.size());
    for (const LogEntry& entry : m_database)
        m_databaseLines.append(entry.displayLine());
    if (m_searchBar->isVisible() && !m_searchBar->text().isEmpty())
        searchTextChanged(m_searchBar->text());
    else
        m_model->setLines(m_databaseLines);
}

void KVLogViewController::loadSelectionQuery(const LogViewOptions& options)
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Preparing Korvel Logs"));
    m_options = options;
    m_query = options.query();
    KVLog(QStringLiteral("App General"), QStringLiteral("Quick View query Built successfully"));
    reload();
    m_list->scrollToTop();
    if (m_query.order == LogOrder::OldestFirst)
        scrollToBottom();
}

QStringList KVLogViewController::shownLines() const
{
    return m_model->lines();
}

void KVLogViewController::searchTextChanged(const QString& text)
{
    if (text.isEmpty()) {
        m_model->setLines(m_databaseLines);
        return;
    }
    QStringList found;
    for (const QString& line : m_databaseLines) {
        if (line.contains(text, Qt::CaseInsensitive))
            found.append(line);
    }
    m_model->setLines(std::move(found));
}

void KVLogViewController::setSearchBarShown(bool shown)
{
    m_searchBar->setVisible(shown);
    //% "Refresh"
    m_searchButton->setText(shown ? qtTrId("TEXT_REFRESH") : qtTrId("TEXT_SEARCH"));
    if (shown)
        m_searchBar->setFocus();
}

void KVLogViewController::showSearchBar()
{
    m_searchBar->setText(m_searchString);
    setSearchBarShown(true);
    if (!m_searchString.isEmpty())
        searchTextChanged(m_searchString);
}

void KVLogViewController::refresh()
{
    setSearchBarShown(false);
    m_model->setLines(m_databaseLines);
    m_clearButton->setEnabled(true);
    m_optionsButton->setEnabled(true);
}

void KVLogViewController::searchReturn()
{
    const QString text = m_searchBar->text();
    if (text.isEmpty()) {
        refresh();
        return;
    }
    // The found lines stay listed (and are what a mail sends); clearing or filtering them needs
    // the whole log back first.
    m_searchString = text;
    searchTextChanged(text);
    m_searchBar->hide();
    m_clearButton->setEnabled(false);
    m_optionsButton->setEnabled(false);
}

Alert* KVLogViewController::clearLog()
{
    //% "Are you sure?"
    auto* alert = new Alert(qtTrId("LOG_CLEAR_QUESTION"));
    //% "Yes"
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Destructive, [self = QPointer<KVLogViewController>(this)](Alert&) {
        if (KVLogger* logger = KVLogger::sharedLogger())
            logger->clear(QStringLiteral("DELETE FROM applicationTable"));
        if (self)
            self->reload();
    });
    //% "No"
    alert->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel);
    alert->showOver(this);
    return alert;
}

void KVLogViewController::viewSelect()
{
    NavigationStack* stack = navigationStack();
    if (!stack || qobject_cast<KVLogOptionsViewController*>(stack->topScreen()))
        return;
    stack->push(new KVLogOptionsViewController(this, m_options), Animation::Animated);
}

void KVLogViewController::mailTo()
{
    const QString configured = LogMail::supportAddress();
    if (!configured.isEmpty() || !MailClient::current().canSendMail()) {
        mailLogTo(configured);
        return;
    }
    //% "Mail the Log"
    auto* ask = new Alert(qtTrId("TEXT_MAIL_LOG_TITLE"),
                          //% "No support address is configured for this kiosk. Type the address the log goes to."
                          qtTrId("TEXT_MAIL_LOG_ASK_ADDRESS"));
    ask->addTextField(QStringLiteral("name@example.org"));
    //% "Cancel"
    ask->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    //% "Mail"
    ask->addButton(qtTrId("TEXT_MAIL_LOG_SEND"), Alert::Role::Default, [this](Alert& alert) {
        const QString typed = alert.textFieldText(0).trimmed();
        if (!LogMail::isPlainAddress(typed)) {
            //% "That is not one mail address; nothing was mailed."
            makeToast(this, qtTrId("TEXT_MAIL_LOG_BAD_ADDRESS"));
            return;
        }
        mailLogTo(typed);
    });
    ask->showOver(this);
}

void KVLogViewController::mailLogTo(const QString& recipient)
{
    const Device& device = Device::current();
    MailClient& client = MailClient::current();
    const bool mailProgram = client.canSendMail();
    // The copy for the mail program stays out of Documents, which the upload server shares; only
    // without a mail program is Documents the way out, where the server asks for its access code.
    const QString path = LogMail::writeAttachment(device, shownLines(), mailProgram ? LogMail::Place::ForMail : LogMail::Place::InDocuments);
    if (path.isEmpty()) {
        //% "The log could not be written."
        makeToast(this, qtTrId("TEXT_LOG_NOT_WRITTEN"));
        KVLog(QStringLiteral("App General"), QStringLiteral("Mail sent failure: %@"), QStringLiteral("the attachment could not be written"));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    if (!mailProgram) {
        //% "No mail program is set up"
        auto* alert = new Alert(qtTrId("TEXT_NO_MAIL_TITLE"),
                                //% "The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again."
                                qtTrId("TEXT_NO_MAIL_MESSAGE").arg(name));
        //% "OK"
        alert->addButton(qtTrId("SETTINGS_OK"));
        alert->showOver(this);
        KVLog(QStringLiteral("App General"), QStringLiteral("Mail sent failure: %@"), QStringLiteral("no mail program"));
        return;
    }
    QString error;
    if (!client.compose(LogMail::message(device, path, recipient), &error)) {
        QFile::remove(path);
        KVLog(QStringLiteral("App General"), QStringLiteral("Mail sent failure: %@"), error);
        //% "The mail program could not be opened."
        makeToast(this, qtTrId("TEXT_MAIL_NOT_OPENED"));
        return;
    }
    // The mail program reads the copy when it sends; it goes once the program has had its time.
    singleShot(LogMail::keptForMail, nullptr, [path] { QFile::remove(path); });
    KVLog(QStringLiteral("App General"), QStringLiteral("Mail handed to the mail program: %@"), name);
    //% "The log is in the mail program."
    makeToast(this, qtTrId("TEXT_MAIL_HANDED_OVER"));
}

Alert* KVLogViewController::didSelectRow(int row)
{
    if (m_searchBar->isVisible() || row < 0 || row >= m_model->rowCount({}))
        return nullptr;
    const LogLineWebsite website = LogLine::website(m_model->lines().at(row));
    ActionSheet* sheet = nullptr;
    const QPointer<KVLogViewController> self(this);
    switch (website.action) {
    case LogLineAction::None:
        return nullptr;
    case LogLineAction::AllowWebsite:
        //% "Allow this WebSite: %@ ?"
        sheet = new ActionSheet(formatString(qtTrId("LOG_ALLOW_WEBSITE_QUESTION"), website.url));
        //% "Allow"
        sheet->addButton(qtTrId("LOG_ALLOW"), Alert::Role::Default, [self, url = website.url](Alert&) {
            if (self)
                self->allowWebsite(url);
        });
        break;
    case LogLineAction::DeleteWebsite:
        //% "Delete this URL from Allowed WebSites: %@ ?"
        sheet = new ActionSheet(formatString(qtTrId("LOG_DELETE_WEBSITE_QUESTION"), website.url));
        //% "Delete"
        sheet->addButton(qtTrId("TEXT_DELETE"), Alert::Role::Destructive, [self, url = website.url](Alert&) {
            if (self)
                self->deleteWebsite(url);
        });
        break;
    }
    //% "Cancel"
    sheet->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    // Whatever the answer, the settings are read again, as another screen may have changed them.
    connect(sheet, &Alert::finished, this, [] { KVSettings::getSettingsObject().load(); });
    m_list->scrollTo(m_model->index(row));
    m_sheet = sheet;
    sheet->showOver(this);
    return sheet;
}

void KVLogViewController::allowWebsite(const QString& url)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    for (const allowedWebsite& site : settings.allowedWebsites) {
        if (site.url == url)
            return;
    }
    AllowedWebsiteInput input;
    input.url = url;
    input.protocol = url.startsWith(QLatin1String("https:"), Qt::CaseInsensitive) ? WebsiteProtocol::Https : WebsiteProtocol::Http;
    input.title = QStringLiteral("Edit Title");
    input.allowSubDomain = true;
    const EditOutcome outcome = AllowedWebsiteEditing::save(settings, input);
    //% "Website Allowed!"
    makeToast(this, outcome.done() ? qtTrId("LOG_WEBSITE_ALLOWED") : outcome.message);
}

void KVLogViewController::deleteWebsite(const QString& url)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    for (qsizetype i = 0; i < settings.allowedWebsites.size(); ++i) {
        if (settings.allowedWebsites.at(i).url == url) {
            const EditOutcome outcome = AllowedWebsiteEditing::remove(settings, i);
            //% " Website Deleted!"
            makeToast(this, outcome.done() ? qtTrId("LOG_WEBSITE_DELETED") : outcome.message);
            return;
        }
    }
}

}  // namespace korvel
