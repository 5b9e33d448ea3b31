#include "admin/ui/KVWelcomeScreenViewController.h"

#include "browser/PowerSaver.h"

#include "admin/AdminState.h"
#include "browser/AdminAccess.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Device.h"
#include "platform/ui/Images.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "transfer/ui/WelcomeCloudImportScreen.h"
#include "transfer/ui/KVScanQRForImportViewController.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#if __has_include("browser/ui/KVHomePageViewController.h")
#include "browser/ui/KVHomePageViewController.h"
#define KORVEL_HAS_HOME_SCREEN 1
#endif

namespace korvel {

namespace {

KVWelcomeScreenViewController* welcomeScreen = nullptr;

KVWelcomeScreenViewController::HomeScreenFactory defaultHomeScreenFactory()
{
#ifdef KORVEL_HAS_HOME_SCREEN
    return [] { return static_cast<Screen*>(new KVHomePageViewController); };
#else
    return {};
#endif
}

KVWelcomeScreenViewController::HomeScreenFactory& homeScreenFactory()
{
    static KVWelcomeScreenViewController::HomeScreenFactory factory = defaultHomeScreenFactory();
    return factory;
}

const QString appGeneral = QStringLiteral("App General");

}  // namespace

QString KVWelcomeScreenViewController::instructionsText()
{
    //% " 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.\n"
    //% " 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.\n"
    //% " 3. Enter Website Url to be allowed.\n"
    //% " 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit."
    return qtTrId("ADMIN_WELCOME_INSTRUCTIONS");
}

KVWelcomeScreenViewController::KVWelcomeScreenViewController(QWidget* parent)
    : Screen(parent)
{
    welcomeScreen = this;
    setAutoFillBackground(true);

    m_startImage = new QLabel(this);
    m_startImage->setObjectName(QStringLiteral("korvel_start"));
    m_startImage->setAlignment(Qt::AlignCenter);
    m_startImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_name = new QLabel(QStringLiteral("Korvel"), this);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setFont(Theme::largeTitleFont());
    m_name->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The pattern behind is light in either appearance: the name is dark on it.
    QPalette namePalette = m_name->palette();
    namePalette.setColor(QPalette::WindowText, QColor(0x1C, 0x1C, 0x1E));
    m_name->setPalette(namePalette);

    m_buttons = new QWidget(this);
    //% "Get Started"
    m_getStarted = new QPushButton(qtTrId("ADMIN_WELCOME_GET_STARTED"), m_buttons);
    m_getStarted->setProperty("role", QStringLiteral("primary"));
    //% "Import from Cloud"
    m_import = new QPushButton(qtTrId("CLOUD_IMPORT_FROM_CLOUD"), m_buttons);
    //% "Scan QR Code"
    m_scan = new QPushButton(qtTrId("TITLE_SCAN_QR"), m_buttons);
    auto* buttonRow = new QHBoxLayout(m_buttons);
    buttonRow->setSpacing(Theme::margin);
    buttonRow->addStretch();
    for (QPushButton* button : {m_getStarted, m_import, m_scan}) {
        button->setMinimumWidth(200);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(28, 28));
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    connect(m_getStarted, &QPushButton::clicked, this, &KVWelcomeScreenViewController::getStarted);
    connect(m_import, &QPushButton::clicked, this, &KVWelcomeScreenViewController::importFromCloud);
    connect(m_scan, &QPushButton::clicked, this, &KVWelcomeScreenViewController::onClickScanQR);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Theme::margin, Theme::margin, Theme::margin, 2 * Theme::margin);
    layout->addStretch(2);
    layout->addWidget(m_startImage);
    layout->addSpacing(Theme::margin);
    layout->addWidget(m_name);
    layout->addStretch(3);
    layout->addWidget(m_buttons);

    // Laid over the screen rather than in the layout, like the panel it stands for.
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("instructionsPanel"));
    m_panel->setAttribute(Qt::WA_StyledBackground);
    // Darker with high contrast, so its white text reaches 7:1 over a white screen.
    m_panel->setStyleSheet(QStringLiteral("#instructionsPanel { background: rgba(0, 0, 0, %1); border-radius: 14px; }"
                                          "QLabel { color: white; }")
                               .arg(ThemeLegibility::highContrast() ? 230 : 153));
    auto* text = new QLabel(instructionsText(), m_panel);
    text->setObjectName(QStringLiteral("instructionsText"));
    text->setWordWrap(true);
    text->setFont(Theme::bodyFont());
    //% "OK, Got it"
    auto* gotIt = new QPushButton(qtTrId("ADMIN_WELCOME_GOT_IT"), m_panel);
    gotIt->setObjectName(QStringLiteral("okGotit"));
    gotIt->setProperty("role", QStringLiteral("primary"));
    gotIt->setMinimumWidth(200);
    gotIt->setFocusPolicy(Qt::NoFocus);
    connect(gotIt, &QPushButton::clicked, this, &KVWelcomeScreenViewController::okGotit);
    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(24, 24, 24, 20);
    panelLayout->setSpacing(Theme::margin);
    panelLayout->addWidget(text);
    panelLayout->addWidget(gotIt, 0, Qt::AlignHCenter);
    m_panel->hide();

    // The platform's "will resign active": leave the screen plain for the return.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            homeButtonPressed();
    });
}

KVWelcomeScreenViewController::~KVWelcomeScreenViewController()
{
    if (welcomeScreen == this)
        welcomeScreen = nullptr;
}

KVWelcomeScreenViewController* KVWelcomeScreenViewController::getWelcomeScreenObject()
{
    return welcomeScreen;
}

void KVWelcomeScreenViewController::setHomeScreenFactory(HomeScreenFactory factory)
{
    homeScreenFactory() = std::move(factory);
}

void KVWelcomeScreenViewController::resetHomeScreenFactory()
{
    homeScreenFactory() = defaultHomeScreenFactory();
}

void KVWelcomeScreenViewController::viewDidLoad()
{
    // Logged first: the home screen pushed here loads at once, and the log should read in the
    // order the screens came up.
    KVLog(appGeneral, QStringLiteral("Welcome Screen Loaded"));
    handOverIfConfigured();
}

void KVWelcomeScreenViewController::viewWillAppear(bool animated)
{
    AdminState::setState(0);
    if (NavigationStack* stack = navigationStack())
        stack->hideNavigationBar();
    // A configuration imported meanwhile (cloud, device management) takes the device straight home.
    KVSettings::getSettingsObject().load();
    handOverIfConfigured();
    m_startImage->show();
}

void KVWelcomeScreenViewController::viewDidAppear(bool animated)
{
    // Whatever dimmed the screen meanwhile, the welcome screen shows at the administrator's level.
    Device::current().setScreenBrightness(KVSettings::getSettingsObject().kvBrowPref.brightness);
    // The power saver rests here: no dimming, and no schedule look pending.
    if (PowerSaver* saver = PowerSaver::current()) {
        saver->cancelPendingCheck();
        if (saver->powerSaveOn())
            saver->powerStateOff();
    }
    m_kvHomeGlobal = nullptr;
}

void KVWelcomeScreenViewController::handOverIfConfigured()
{
    NavigationStack* stack = navigationStack();
    // Only from the top: a stack that just received the home screen calls us again on its way.
    if (!stack || stack->topScreen() != this)
        return;
    const KVSettings& settings = KVSettings::getSettingsObject();
    if (settings.allowedWebsites.isEmpty() && settings.allowedWebsitesCategories.isEmpty())
        return;
    const HomeScreenFactory& factory = homeScreenFactory();
    Screen* home = factory ? factory() : nullptr;
    if (!home)
        return;
    m_kvHomeGlobal = home;
    stack->push(home, Animation::None);
}

void KVWelcomeScreenViewController::mousePressEvent(QMouseEvent* event)
{
    // A touch outside the instructions closes them; every touch counts for the hidden gesture.
    if (instructionsShown() && !m_panel->geometry().contains(event->position().toPoint()))
        okGotit();
    handleSingleTap();
    event->accept();
}

void KVWelcomeScreenViewController::handleSingleTap()
{
    if (AdminTapGesture::tapWelcome(m_taps, Clock::instance().now()) != TapOutcome::Granted)
        return;
    AdminAccess::granted(this);
    KVLog(appGeneral, QStringLiteral("Password Alert shown"));
}

void KVWelcomeScreenViewController::setButtonsVisible(bool visible)
{
    m_buttons->setVisible(visible);
}

void KVWelcomeScreenViewController::getStarted()
{
    setButtonsVisible(false);
    // The start image steps back so the instructions read clearly over the plain background.
    auto* faded = new QGraphicsOpacityEffect(m_startImage);
    faded->setOpacity(0.15);
    m_startImage->setGraphicsEffect(faded);
    m_name->hide();
    m_panel->show();
    m_panel->raise();
    resizeEvent(nullptr);
    KVLog(appGeneral, QStringLiteral("Get Statrted Info  shown"));
}

void KVWelcomeScreenViewController::okGotit()
{
    m_panel->hide();
    m_startImage->setGraphicsEffect(nullptr);
    m_name->show();
    setButtonsVisible(true);
}

bool KVWelcomeScreenViewController::instructionsShown() const
{
    return !m_panel->isHidden();
}

void KVWelcomeScreenViewController::importFromCloud()
{
    if (NavigationStack* stack = navigationStack())
        stack->push(new WelcomeCloudImportScreen, Animation::Animated);
}

void KVWelcomeScreenViewController::onClickScanQR()
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    // The scanned ID goes to the first-run cloud import, ready to be imported.
    auto* scanner = new KVScanQRForImportViewController;
    QPointer<NavigationStack> target(stack);
    scanner->setScanned([target](const QString& id) {
        if (!target)
            return;
        auto* cloud = new WelcomeCloudImportScreen;
        cloud->setCloudID(id);
        target->push(cloud, Animation::Animated);
    });
    stack->showNavigationBar();
    stack->push(scanner, Animation::Animated);
}

void KVWelcomeScreenViewController::homeButtonPressed()
{
    okGotit();
    m_startImage->show();
}

void KVWelcomeScreenViewController::paintEvent(QPaintEvent*)
{
    // The background pattern follows the screen's orientation.
    const bool portrait = height() > width();
    QPainter painter(this);
    painter.fillRect(rect(), Theme::current().background);
    const QPixmap pattern = Images::pixmap(portrait ? QStringLiteral("main_bg_portrait") : QStringLiteral("main_bg_land"), size(),
                                           devicePixelRatioF(), Images::Fit::Cover);
    if (!pattern.isNull()) {
        const QSize drawn = pattern.size() / pattern.devicePixelRatio();
        painter.drawPixmap(QRect(QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), drawn), pattern);
    }
}

void KVWelcomeScreenViewController::resizeEvent(QResizeEvent* event)
{
    if (event)
        Screen::resizeEvent(event);
    // The start image takes about a third of the shorter side, so it fits above the buttons on
    // a small panel too.
    const int side = std::clamp(std::min(width(), height()) / 3, 96, 240);
    m_startImage->setPixmap(Images::pixmap(QStringLiteral("korvel_start"), QSize(side, side), devicePixelRatioF()));
    m_startImage->setMinimumHeight(side);
    const bool narrow = width() < 3 * 200 + 4 * Theme::margin;
    if (auto* row = qobject_cast<QBoxLayout*>(m_buttons->layout()))
        row->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    const int margin = 20;
    const int width = qMax(qMin(this->width() - 2 * margin, 640), 100);
    // Word-wrapped text: the height follows from the width, not from the text's widest line.
    QLayout* panelLayout = m_panel->layout();
    panelLayout->activate();
    m_panel->setFixedSize(width, qMax(0, qMin(panelLayout->totalHeightForWidth(width), height() - 2 * margin)));
    m_panel->move((this->width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

}  // namespace korvel
