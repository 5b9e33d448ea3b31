#include "admin/ui/LanguageScreen.h"

#include "log/KVLog.h"
#include "platform/Languages.h"
#include "platform/Paths.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

LanguageScreen::LanguageScreen(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("language"));
    m_choices = QStringList{QString()} + Languages::shipped(Paths::resourceFile(QStringLiteral("translations")));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::rowSelected, this, [this](int, int row, int) { choose(row); });
}

void LanguageScreen::viewDidLoad()
{
    setTitle(qtTrId("APP_LANGUAGE"));
    const QString current = KVSettings::getSettingsObject().kvBrowPref.language;
    TableSection section;
    section.footer = qtTrId("APP_LANGUAGE_DETAIL");
    for (int i = 0; i < m_choices.size(); ++i) {
        const QString& code = m_choices.at(i);
        TableRow row;
        row.id = i;
        if (code.isEmpty()) {
            row.title = qtTrId("APP_LANGUAGE_SYSTEM");
            row.detail = Languages::nativeName(QLocale::system().name());
        } else {
            row.title = Languages::nativeName(code);
        }
        row.accessory = Accessory::Checkmark;
        // A value naming no shipped catalogue is the system's language, as the screens show it.
        row.checked = code == current || (code.isEmpty() && !m_choices.contains(current));
        section.rows.append(row);
    }
    m_table->setSections({section});
}

void LanguageScreen::choose(int row)
{
    if (row < 0 || row >= m_choices.size())
        return;
    KVSettings& settings = KVSettings::getSettingsObject();
    if (settings.kvBrowPref.language != m_choices.at(row)) {
        settings.kvBrowPref.language = m_choices.at(row);
        KVLog(QStringLiteral("Settings"), QStringLiteral("Language Changed: %@"),
              m_choices.at(row).isEmpty() ? QStringLiteral("system") : m_choices.at(row));
        settings.save();
    }
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->pop(Animation::Animated);
}

}  // namespace korvel
