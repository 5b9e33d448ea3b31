#include "files/ui/KVReaderVC.h"

#include "files/ReaderRules.h"
#include "files/DownloadFiles.h"
#include "files/ui/EngineFetch.h"
#include "files/ui/FileSheet.h"
#include "files/ui/FilesRoutes.h"
#include "files/ui/ReaderContentsPanel.h"
#include "files/ui/ReaderDocument.h"
#include "files/ui/ReaderPageView.h"
#include "files/ui/ReaderSearchPanel.h"
#include "files/ui/ReaderThumbnailStrip.h"
#include "log/KVLog.h"
#include "platform/Paths.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

namespace {

const KVBrowserPrefSettings& preferences()
{
    return KVSettings::getSettingsObject().kvBrowPref;
}

QString readerCategory()
{
    return QStringLiteral("Webview");
}

QPushButton* barButton(const QString& text, QWidget* parent, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setMinimumSize(Theme::touchTarget, Theme::touchTarget);
    button->setFont(Theme::bodyFont());
    return button;
}

QWidget* makeBar(QWidget* parent, const char* name)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    QColor colour = Theme::current().cell;
    colour.setAlphaF(0.95);
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    return bar;
}

}  // namespace

KVReaderVC* KVReaderVC::getPDFViewerClassObject(const QUrl& url)
{
    auto* reader = new KVReaderVC;
    reader->setPdfFileUrl(url);
    return reader;
}

KVReaderVC::KVReaderVC(QWidget* parent)
    : Screen(parent)
    , m_document(new ReaderDocument(this))
{
    setObjectName(QStringLiteral("reader"));
    connect(m_document, &ReaderDocument::statusChanged, this, &KVReaderVC::documentStatusChanged);
    connect(m_document, &ReaderDocument::rendered, this, [this](quint64 ticket, const QImage& image) {
        if (ticket != m_printTicket || !m_printPainter)
            return;
        m_printTicket = 0;
        if (m_printPage > 0)
            m_printer->newPage();
        const QRect area = m_printPainter->viewport();
        m_printPainter->drawImage(QRect(area.topLeft(), image.size().scaled(area.size(), Qt::KeepAspectRatio)), image);
        printNextPage();
    });
}

KVReaderVC::~KVReaderVC()
{
    // The helper lets go of the file before the private copy goes.
    delete m_contents;
    delete m_search;
    endPrinting(false);
    m_document->disconnect(this);
    m_document->close();
    if (!m_fetchedPath.isEmpty())
        QFile::remove(m_fetchedPath);
}

void KVReaderVC::viewDidLoad()
{
    m_pageView = new ReaderPageView(this);
    connect(m_pageView, &ReaderPageView::currentPageChanged, this, &KVReaderVC::pdfViewPageChanged);
    connect(m_pageView, &ReaderPageView::tapped, this, &KVReaderVC::gestureRecognizedToggleVisibility);
    connect(m_pageView, &ReaderPageView::linkTapped, this, &KVReaderVC::openLink);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("readerMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setFont(Theme::bodyFont());

    m_topBar = makeBar(this, "readerTopBar");
    auto* top = new QHBoxLayout(m_topBar);
    top->setContentsMargins(Theme::spacing, 0, Theme::spacing, 0);
    //% "Back"
    QPushButton* backButton = barButton(qtTrId("TEXT_BACK"), m_topBar, "readerBack");
    connect(backButton, &QPushButton::clicked, this, &KVReaderVC::back);
    top->addWidget(backButton);
    m_titleLabel = new QLabel(m_topBar);
    m_titleLabel->setObjectName(QStringLiteral("readerTitle"));
    m_titleLabel->setFont(Theme::titleFont());
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setMinimumWidth(40);
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_titleLabel->installEventFilter(this);
    top->addWidget(m_titleLabel, 1);
    const struct {
        const char* name;
        QString text;
        void (KVReaderVC::*action)();
    } buttons[] = {
        //% "Contents"
        {"readerContentsButton", qtTrId("TEXT_PDF_CONTENTS"), &KVReaderVC::toggleTableOfContentsView},
        //% "Search"
        {"readerSearchButton", qtTrId("TEXT_PDF_SEARCH"), &KVReaderVC::showSearchView},
        //% "Aa"
        {"readerAppearanceButton", qtTrId("TEXT_PDF_APPEARANCE"), &KVReaderVC::showAppearanceMenu},
        //% "Download"
        {"readerDownloadButton", qtTrId("TEXT_PDF_DOWNLOAD"), &KVReaderVC::downloadbarButtonAction},
        //% "Share"
        {"readerShareButton", qtTrId("TEXT_PDF_SHARE"), nullptr},
    };
    for (const auto& b : buttons) {
        QPushButton* button = barButton(b.text, m_topBar, b.name);
        if (b.action)
            connect(button, &QPushButton::clicked, this, b.action);
        else
            connect(button, &QPushButton::clicked, this, [this] { shareBarButtonAction(); });
        button->setEnabled(false);
        if (b.action == &KVReaderVC::showAppearanceMenu)
            m_appearanceButton = button;
        m_documentButtons.append(button);
        top->addWidget(button);
    }

    m_bottomBar = makeBar(this, "readerBottomBar");
    auto* bottom = new QVBoxLayout(m_bottomBar);
    bottom->setContentsMargins(0, Theme::spacing / 2, 0, 0);
    bottom->setSpacing(0);
    m_pageLabel = new QLabel(m_bottomBar);
    m_pageLabel->setObjectName(QStringLiteral("readerPageLabel"));
    m_pageLabel->setFont(Theme::detailFont());
    m_pageLabel->setAlignment(Qt::AlignCenter);
    bottom->addWidget(m_pageLabel);
    m_strip = new ReaderThumbnailStrip(m_bottomBar);
    connect(m_strip, &ReaderThumbnailStrip::pageSelected, this, &KVReaderVC::goToPage);
    bottom->addWidget(m_strip);
    m_bottomBar->hide();
    layoutBars();
}

void KVReaderVC::viewWillAppear(bool)
{
    // The reader has its own bars; the stack's bar comes back when the reader goes.
    if (NavigationStack* stack = navigationStack()) {
        m_barWasShown = stack->isNavigationBarShown();
        stack->hideNavigationBar();
    }
    if (!std::exchange(m_opened, true))
        open();
}

void KVReaderVC::viewWillDisappear(bool)
{
    if (NavigationStack* stack = navigationStack(); stack && m_barWasShown)
        stack->showNavigationBar();
}

void KVReaderVC::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    layoutBars();
}

void KVReaderVC::elideTitle()
{
    // A long title gives way to the buttons, shortened in the middle.
    m_titleLabel->setText(m_titleLabel->fontMetrics().elidedText(m_title, Qt::ElideMiddle, m_titleLabel->width()));
}

bool KVReaderVC::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_titleLabel && event->type() == QEvent::Resize)
        elideTitle();
    return Screen::eventFilter(watched, event);
}

void KVReaderVC::setDocumentTitle(const QString& title)
{
    m_title = title;
    layoutBars();
}

void KVReaderVC::layoutBars()
{
    if (!m_pageView)
        return;
    elideTitle();
    const int topHeight = Theme::navigationBarHeight;
    const int bottomHeight = m_bottomBar->sizeHint().height();
    m_pageView->setGeometry(rect());
    // The bars are translucent, but a line of the page under one of them cannot be read.
    m_pageView->setInsets(QMargins(0, m_barsVisible ? topHeight : 0, 0,
                                   m_barsVisible && m_state == State::Shown ? bottomHeight : 0));
    m_message->setGeometry(rect().adjusted(Theme::margin, topHeight, -Theme::margin, 0));
    m_topBar->setGeometry(0, 0, width(), topHeight);
    m_bottomBar->setGeometry(0, height() - bottomHeight, width(), bottomHeight);
    const QRect panel(0, topHeight, width(), height() - topHeight);
    if (m_contents)
        m_contents->setGeometry(panel);
    if (m_search)
        m_search->setGeometry(panel);
    m_message->raise();
    m_topBar->raise();
    m_bottomBar->raise();
}

void KVReaderVC::setState(State state)
{
    m_state = state;
    // A document's actions only where there is a document: a failed one leaves Back alone.
    for (QPushButton* button : m_documentButtons) {
        button->setEnabled(state == State::Shown);
        button->setVisible(state == State::Shown);
    }
    Q_EMIT stateChanged(state);
}

QString KVReaderVC::documentName() const
{
    return WebsiteAddress::lastPathComponent(m_pdfFileUrl);
}

void KVReaderVC::open()
{
    setDocumentTitle(documentName());
    const ReaderRules::Document source = ReaderRules::locate(m_pdfFileUrl, Paths::documentsDirectory());
    switch (source.source) {
    case ReaderRules::Source::File:
        load(source.path, QString());
        return;
    case ReaderRules::Source::Web: {
        EngineFetch* fetch = EngineFetch::start(source.url, EngineFetch::Purpose::Read, this);
        if (!fetch) {
            fail(QStringLiteral("no engine to fetch it"));
            return;
        }
        m_fetch = fetch;
        //% "Loading the document..."
        m_message->setText(qtTrId("TEXT_PDF_LOADING"));
        setState(State::Fetching);
        connect(fetch, &EngineFetch::finished, this, [this](bool isSuccess, const QString& path) {
            if (!isSuccess) {
                fail(QStringLiteral("the fetch failed"));
                return;
            }
            m_fetchedPath = path;
            load(path, QString());
        });
        return;
    }
    case ReaderRules::Source::Refused:
        fail(QStringLiteral("not a document in Documents"));
        return;
    }
}

void KVReaderVC::load(const QString& path, const QString& password)
{
    m_path = path;
    m_message->setText(qtTrId("TEXT_PDF_LOADING"));
    setState(State::Opening);
    m_document->open(path, password);
}

void KVReaderVC::documentStatusChanged()
{
    switch (m_document->status()) {
    case ReaderDocument::Status::Closed:
    case ReaderDocument::Status::Loading:
        return;
    case ReaderDocument::Status::Ready:
        showDocument();
        return;
    case ReaderDocument::Status::NeedsPassword:
        askForPassword(m_path);
        return;
    case ReaderDocument::Status::Failed:
        fail(QStringLiteral("%1: %2").arg(QFileInfo(m_path).fileName(), m_document->failure()));
        return;
    }
}

void KVReaderVC::askForPassword(const QString& path)
{
    setState(State::Locked);
    m_message->clear();
    //% "PDF File"
    //% "This file is password protected."
    auto* alert = new Alert(qtTrId("TITLE_PDF_FILE"), qtTrId("THIS_FILE_IS_PASSWORD_PROTECTED"));
    alert->setObjectName(QStringLiteral("readerPasswordAlert"));
    //% "Password"
    alert->addTextField(qtTrId("TEXT_PASSWORD"), Alert::TextEntry::Secure);
    QPointer<KVReaderVC> self(this);
    //% "Cancel"
    alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel, [self](Alert&) {
        if (self)
            self->back();
    });
    //% "Open"
    alert->addButton(qtTrId("TEXT_OPEN"), Alert::Role::Default, [self, path](Alert& shown) {
        if (self)
            self->load(path, shown.textFieldText(0));
    });
    alert->showOver(this);
}

void KVReaderVC::fail(const QString& reason)
{
    if (m_state == State::Failed)
        return;
    KVLog(readerCategory(), QStringLiteral("Document %@ cannot be shown: %@"), m_pdfFileUrl.toString(QUrl::FullyEncoded), reason);
    endPrinting(false);
    // Whatever was shown of the document goes with it.
    if (m_pageView) {
        m_pageView->setDocument(nullptr);
        m_strip->setDocument(nullptr);
    }
    if (m_contents)
        m_contents->hide();
    if (m_search)
        m_search->hide();
    if (m_appearance)
        m_appearance->hide();
    if (m_document->status() != ReaderDocument::Status::Failed)
        m_document->close();
    //% "This document cannot be opened. It may be damaged or incomplete."
    m_message->setText(qtTrId("TEXT_PDF_CANNOT_BE_OPENED"));
    m_bottomBar->hide();
    setState(State::Failed);
}

void KVReaderVC::showDocument()
{
    m_message->clear();
    const QString title = m_document->title();
    if (!title.isEmpty())
        setDocumentTitle(title);
    m_pageView->setDocument(m_document);
    m_strip->setDocument(m_document);
    m_bottomBar->show();
    layoutBars();
    pdfViewPageChanged(0);
    setState(State::Shown);
    layoutBars();
}

void KVReaderVC::pdfViewPageChanged(int page)
{
    const int count = m_document->pageCount();
    const QString label = m_document->pageLabel(page);
    const QString number = QString::number(page + 1);
    //% "%1 of %2"
    QString text = qtTrId("TEXT_PDF_PAGE_OF").arg(number).arg(count);
    if (!label.isEmpty() && label != number)
        text = label + QStringLiteral(" (") + text + QLatin1Char(')');
    m_pageLabel->setText(text);
    m_strip->setCurrentPage(page);
}

void KVReaderVC::goToPage(int page)
{
    if (m_contents)
        m_contents->hide();
    if (m_search)
        m_search->hide();
    m_pageView->setCurrentPage(page);
}

void KVReaderVC::openLink(const ReaderLink& link)
{
    if (link.url.isEmpty()) {
        goToPage(link.page);
        return;
    }
    if (const auto& follow = FilesRoutes::current().followLink)
        follow(link.url, this);
    else
        KVLog(readerCategory(), QStringLiteral("Link to %@ not followed"), link.url.toString(QUrl::FullyEncoded));
}

void KVReaderVC::gestureRecognizedToggleVisibility()
{
    m_barsVisible = !m_barsVisible;
    if (m_appearance)
        m_appearance->hide();
    fadeBar(m_topBar, m_barsVisible);
    fadeBar(m_bottomBar, m_barsVisible && m_state == State::Shown);
    layoutBars();
}

void KVReaderVC::fadeBar(QWidget* bar, bool visible)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(bar->graphicsEffect());
    if (!NavigationStack::animationsEnabled()) {
        bar->setGraphicsEffect(nullptr);
        bar->setVisible(visible);
        return;
    }
    if (!effect) {
        effect = new QGraphicsOpacityEffect(bar);
        effect->setOpacity(bar->isVisible() ? 1.0 : 0.0);
        bar->setGraphicsEffect(effect);
    }
    auto* fade = new QPropertyAnimation(effect, "opacity", bar);
    // As long as the navigation stack's own transitions.
    fade->setDuration(300);
    fade->setStartValue(effect->opacity());
    fade->setEndValue(visible ? 1.0 : 0.0);
    if (visible)
        bar->show();
    else
        connect(fade, &QPropertyAnimation::finished, bar, [this, bar] {
            if (!m_barsVisible)
                bar->hide();
        });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void KVReaderVC::showAppearanceMenu()
{
    if (m_state != State::Shown)
        return;
    if (!m_appearance) {
        m_appearance = new QFrame(this);
        m_appearance->setObjectName(QStringLiteral("readerAppearance"));
        m_appearance->setAutoFillBackground(true);
        QPalette palette = m_appearance->palette();
        palette.setColor(QPalette::Window, Theme::current().cell);
        m_appearance->setPalette(palette);
        auto* box = new QHBoxLayout(m_appearance);
        box->setContentsMargins(Theme::spacing / 2, 0, Theme::spacing / 2, 0);
        //% "Day"
        //% "Sepia"
        //% "Night"
        auto* papers = new SegmentedControl({qtTrId("TEXT_PDF_PAPER_DAY"), qtTrId("TEXT_PDF_PAPER_SEPIA"), qtTrId("TEXT_PDF_PAPER_NIGHT")}, m_appearance);
        papers->setSelectedIndex(int(m_pageView->paper()));
        box->addWidget(papers);
        connect(papers, &SegmentedControl::selectionChanged, this, [this](int index) {
            m_pageView->setPaper(ReaderPageView::Paper(index));
            m_appearance->hide();
        });
        m_appearance->hide();
    }
    // 300 points wide, one touch target high, under its button and inside the reader.
    const QSize size(std::min(300, width() - 2 * Theme::spacing), std::max(44, m_appearance->sizeHint().height()));
    const QPoint under = m_appearanceButton->mapTo(this, QPoint(m_appearanceButton->width() / 2, m_appearanceButton->height()));
    const int x = std::clamp(under.x() - size.width() / 2, Theme::spacing, width() - size.width() - Theme::spacing);
    m_appearance->setGeometry(QRect(QPoint(x, under.y() + Theme::spacing / 2), size));
    m_appearance->setVisible(!m_appearance->isVisible());
    m_appearance->raise();
}

void KVReaderVC::back()
{
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->pop(Animation::Animated);
}

void KVReaderVC::toggleTableOfContentsView()
{
    if (m_state != State::Shown)
        return;
    if (m_search)
        m_search->hide();
    if (!m_contents) {
        m_contents = new ReaderContentsPanel(m_document, this);
        connect(m_contents, &ReaderContentsPanel::pageChosen, this, &KVReaderVC::goToPage);
        m_contents->hide();
        layoutBars();
    }
    // A second tap returns to the document.
    m_contents->setVisible(!m_contents->isVisible());
    if (m_contents->isVisible())
        m_contents->raise();
    m_topBar->raise();
}

void KVReaderVC::showSearchView()
{
    if (m_state != State::Shown)
        return;
    if (m_contents)
        m_contents->hide();
    if (!m_search) {
        m_search = new ReaderSearchPanel(m_document, m_document->outline(), this);
        connect(m_search, &ReaderSearchPanel::pageChosen, this, &KVReaderVC::goToPage);
        m_search->hide();
        layoutBars();
    }
    m_search->setVisible(!m_search->isVisible());
    if (m_search->isVisible()) {
        m_search->raise();
        m_search->searchField()->setFocus();
    }
    m_topBar->raise();
}

void KVReaderVC::downloadbarButtonAction()
{
    if (!preferences().isAllowDownloadInPDFViewer) {
        //% "Downloading from the PDF viewer is turned off."
        makeToast(this, qtTrId("PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE"));
        return;
    }
    const ReaderRules::Document source = ReaderRules::locate(m_pdfFileUrl, Paths::documentsDirectory());
    if (source.source != ReaderRules::Source::Web) {
        //% "This document is already saved in Documents."
        makeToast(this, qtTrId("TEXT_PDF_ALREADY_IN_DOCUMENTS"));
        return;
    }
    if (!EngineFetch::start(source.url, EngineFetch::Purpose::Keep, this)) {
        //% "The download failed."
        makeToast(this, qtTrId("TEXT_DOWNLOAD_FAILED"));
    }
}

ActionSheet* KVReaderVC::shareBarButtonAction()
{
    if (m_state != State::Shown)
        return nullptr;
    QString message;
    if (m_fetchedPath.isEmpty()) {
        //% "%1, saved in Documents."
        message = qtTrId("TEXT_FILE_SAVED_IN_DOCUMENTS").arg(DownloadFiles::getFileSize(m_path));
    }
    auto* sheet = new ActionSheet(m_title, message);
    sheet->setObjectName(QStringLiteral("readerShareSheet"));
    QPointer<KVReaderVC> self(this);
    for (ReaderRules::ShareAction action : ReaderRules::shareActions(preferences())) {
        switch (action) {
        case ReaderRules::ShareAction::Print:
            //% "Print"
            sheet->addButton(qtTrId("TEXT_PRINT"), Alert::Role::Default, [self](Alert&) {
                if (self)
                    self->print();
            });
            break;
        }
    }
    //% "Close"
    sheet->addButton(qtTrId("TEXT_CLOSE"), Alert::Role::Cancel);
    sheet->showOver(this);
    return sheet;
}

void KVReaderVC::print()
{
    // Only a printer the administrator set up as the system's default is used; no dialog offers
    // printing into a file elsewhere.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        //% "No printer is set up on this device."
        makeToast(this, qtTrId("TEXT_PDF_NO_PRINTER"));
        return;
    }
    if (m_printer)
        return;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(m_title);
    m_printPainter = std::make_unique<QPainter>();
    if (!m_printPainter->begin(m_printer.get())) {
        KVLog(readerCategory(), QStringLiteral("Printing %@ failed"), m_title);
        endPrinting(false);
        return;
    }
    m_printPage = -1;
    printNextPage();
}

void KVReaderVC::printNextPage()
{
    ++m_printPage;
    if (m_printPage >= m_document->pageCount()) {
        endPrinting(true);
        return;
    }
    // The page as the printer's resolution wants it, no larger than the helper may draw.
    const QRect area = m_printPainter->viewport();
    const QSize wanted = (m_document->pagePointSize(m_printPage) * m_printer->resolution() / 72.0).toSize().scaled(area.size(), Qt::KeepAspectRatio);
    const QSize size = wanted.boundedTo(QSize(PdfRenderProtocol::maxImageSide, PdfRenderProtocol::maxImageSide));
    m_printTicket = m_document->requestRender(m_printPage, wanted.scaled(size, Qt::KeepAspectRatio), QRect(), ReaderDocument::Priority::Picture);
    if (!m_printTicket)
        endPrinting(false);
}

void KVReaderVC::endPrinting(bool done)
{
    if (!m_printer)
        return;
    m_printPainter->end();
    m_printPainter.reset();
    m_printer.reset();
    m_printTicket = 0;
    if (done)
        KVLog(readerCategory(), QStringLiteral("Printed %@"), m_title);
    else
        KVLog(readerCategory(), QStringLiteral("Printing %@ failed"), m_title);
}

}  // namespace korvel
