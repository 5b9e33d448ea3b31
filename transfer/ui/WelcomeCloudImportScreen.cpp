#include "transfer/ui/WelcomeCloudImportScreen.h"

#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "transfer/CloudTransfer.h"
#include "transfer/ui/CloudExchange.h"

#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

WelcomeCloudImportScreen::WelcomeCloudImportScreen(QWidget* parent)
    : Screen(parent)
{
    //% "Import from Cloud"
    setTitle(qtTrId("CLOUD_IMPORT_FROM_CLOUD"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("cloudWelcomeTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_exchange = new CloudExchange(this);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == ImportButton)
            importAction();
    });
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == CloudIDField)
            m_cloudID = text;
    });
}

WelcomeCloudImportScreen::~WelcomeCloudImportScreen() = default;

void WelcomeCloudImportScreen::viewDidLoad()
{
    TableRow field;
    field.id = CloudIDField;
    field.title = qtTrId("TEXT_CLOUD_ID");
    field.accessory = Accessory::TextField;
    field.text = m_cloudID;
    field.placeholder = qtTrId("TEXT_CLOUD_ID_PLACEHOLDER");
    TableRow button;
    button.id = ImportButton;
    button.title = qtTrId("CLOUD_IMPORT_FROM_CLOUD");
    button.image = QStringLiteral("import_cloud.png");
    //% "Enter the cloud ID your administrator gave you to take over the settings stored under it."
    m_table->setSections({TableSection{QString(), qtTrId("TEXT_CLOUD_WELCOME_FOOTER"), {field, button}}});
}

void WelcomeCloudImportScreen::viewWillAppear(bool animated)
{
    // The welcome screen under it hides the bar; this screen needs its back button.
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

void WelcomeCloudImportScreen::setCloudID(const QString& cloudID)
{
    m_cloudID = cloudID;
    if (TableCell* cell = m_table->cellWithId(CloudIDField); cell && cell->textField())
        cell->textField()->setText(cloudID);
}

void WelcomeCloudImportScreen::importAction()
{
    const QString typed = m_cloudID;
    if (!CloudTransfer::isValidID(typed)) {
        makeToast(this, QLatin1String(CloudTransfer::invalidIDText));
        return;
    }
    QPointer<WelcomeCloudImportScreen> self(this);
    m_exchange->importFrom(typed, true, [self](const CloudTransfer::Outcome& outcome) {
        if (self)
            self->imported(outcome);
    });
}

void WelcomeCloudImportScreen::imported(const CloudTransfer::Outcome& outcome)
{
    auto* alert = new Alert(outcome.title, outcome.message);
    QPointer<WelcomeCloudImportScreen> self(this);
    //% "OK"
    alert->addButton(qtTrId("SETTINGS_OK"), Alert::Role::Cancel, [self, ok = outcome.ok](Alert&) {
        // Back at the welcome screen, the imported websites take the device to its home screen.
        if (ok && self && self->navigationStack())
            self->navigationStack()->popToRoot(Animation::Animated);
    });
    m_exchange->show(alert);
}

}  // namespace korvel
