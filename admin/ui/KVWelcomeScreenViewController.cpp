#include "admin/ui/KVWelcomeScreenViewController.h"

#include "admin/AdminState.h"
#include "admin/ui/UnavailableScreen.h"
#include "browser/AdminAccess.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Device.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

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
    return [] {
        auto* home = new KVHomePageViewController;
        // The download history arrives with the downloads; until then its screen says so.
        QObject::connect(home, &KVHomePageViewController::downloadHistoryRequested, home, [home] {
            if (NavigationStack* stack = home->navigationStack())
                stack->push(new UnavailableScreen(qtTrId("TEXT_DOWNLOADS"), 0), NavigationStack::Animation::Animated);
        });
        return static_cast<Screen*>(home);
    };
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
    return QStringLiteral(
        " 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 5 times within 3 seconds.\n"
        " 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.\n"
        " 3. Enter Website Url to be allowed.\n"
        " 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.");
}

KVWelcomeScreenViewController::KVWelcomeScreenViewController(QWidget* parent)
    : Screen(parent)
{
    welcomeScreen = this;
    setAutoFillBackground(true);

    // No image resources yet: the start image is the product's name.
    m_startImage = new QLabel(QStringLiteral("Korvel"), this);
    m_startImage->setObjectName(QStringLiteral("korvel_start"));
    m_startImage->setAlignment(Qt::AlignCenter);
    QFont font = m_startImage->font();
    font.setPointSize(25);
    font.setBold(true);
    m_startImage->setFont(font);

    m_buttons = new QWidget(this);
    m_getStarted = new QPushButton(QStringLiteral("Get Started"), m_buttons);
    m_import = new QPushButton(QStringLiteral("Import from Cloud"), m_buttons);
    m_scan = new QPushButton(QStringLiteral("Scan QR Code"), m_buttons);
    auto* buttonRow = new QHBoxLayout(m_buttons);
    buttonRow->addWidget(m_getStarted);
    buttonRow->addWidget(m_import);
    buttonRow->addWidget(m_scan);
    connect(m_getStarted, &QPushButton::clicked, this, &KVWelcomeScreenViewController::getStarted);
    connect(m_import, &QPushButton::clicked, this, &KVWelcomeScreenViewController::importFromCloud);
    connect(m_scan, &QPushButton::clicked, this, &KVWelcomeScreenViewController::onClickScanQR);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_startImage);
    layout->addStretch();
    layout->addWidget(m_buttons);

    // Laid over the screen rather than in the layout, like the panel it stands for.
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("instructionsPanel"));
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(QStringLiteral("#instructionsPanel { background: rgba(0, 0, 0, 153); border-radius: 10px; }"
                                          "QLabel { color: white; }"));
    auto* text = new QLabel(instructionsText(), m_panel);
    text->setWordWrap(true);
    auto* gotIt = new QPushButton(QStringLiteral("OK, Got it"), m_panel);
    gotIt->setObjectName(QStringLiteral("okGotit"));
    connect(gotIt, &QPushButton::clicked, this, &KVWelcomeScreenViewController::okGotit);
    auto* panelLayout = new QVBoxLayout(m_panel);
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
    m_panel->show();
    m_panel->raise();
    resizeEvent(nullptr);
    KVLog(appGeneral, QStringLiteral("Get Statrted Info  shown"));
}

void KVWelcomeScreenViewController::okGotit()
{
    m_panel->hide();
    setButtonsVisible(true);
}

void KVWelcomeScreenViewController::removeInstructions()
{
    okGotit();
}

bool KVWelcomeScreenViewController::instructionsShown() const
{
    return !m_panel->isHidden();
}

void KVWelcomeScreenViewController::importFromCloud()
{
    makeToast(this, QStringLiteral("Importing settings from the cloud is not available in this version."));
}

void KVWelcomeScreenViewController::onClickScanQR()
{
    makeToast(this, QStringLiteral("Scanning a QR code for settings is not available in this version."));
}

void KVWelcomeScreenViewController::homeButtonPressed()
{
    okGotit();
    m_startImage->show();
}

void KVWelcomeScreenViewController::resizeEvent(QResizeEvent* event)
{
    if (event)
        Screen::resizeEvent(event);
    const int margin = 20;
    const int width = qMin(this->width() - 2 * margin, 600);
    m_panel->setFixedWidth(qMax(width, 100));
    m_panel->adjustSize();
    m_panel->move((this->width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

}  // namespace korvel
