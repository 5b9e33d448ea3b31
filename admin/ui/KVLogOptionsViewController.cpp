#include "admin/ui/KVLogOptionsViewController.h"

#include "admin/ui/KVLogViewController.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"

#include <QVBoxLayout>

namespace korvel {

KVLogOptionsViewController::KVLogOptionsViewController(KVLogViewController* list, const LogViewOptions& options, QWidget* parent)
    : Screen(parent), m_list(list), m_options(options)
{
    setObjectName(QStringLiteral("logViewOptions"));
    //% "View Options"
    setTitle(qtTrId("TEXT_LOG_VIEW_OPTIONS"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int index) { tapOption(index); });
}

void KVLogOptionsViewController::viewDidLoad()
{
    //% "Cancel"
    setLeftBarButton(BarButton{qtTrId("TEXT_CANCEL"), [this] { cancel(); }, {}});
    //% "Apply"
    setRightBarButton(BarButton{qtTrId("TEXT_APPLY"), [this] { loadSelectionQuery(); }, {}});
    showOptions();
}

void KVLogOptionsViewController::showOptions()
{
    QList<TableSection> sections;
    for (int s = 0; s < int(LogViewOptions::sectionSizes.size()); ++s) {
        TableSection section;
        section.header = LogViewOptions::sectionHeader(s);
        const int first = LogViewOptions::firstIndex(s);
        for (int index = first; index < first + LogViewOptions::sectionSizes[size_t(s)]; ++index) {
            TableRow row;
            row.id = index;
            row.title = LogViewOptions::label(index);
            row.accessory = Accessory::Checkmark;
            row.checked = m_options.isSelected(index);
            section.rows.append(row);
        }
        sections.append(section);
    }
    m_table->setSections(sections);
}

void KVLogOptionsViewController::tapOption(int index)
{
    m_options.tap(index);
    // Marks change in place: the list keeps its scroll position under the finger.
    for (int s = 0; s < int(LogViewOptions::sectionSizes.size()); ++s) {
        const int first = LogViewOptions::firstIndex(s);
        for (int row = 0; row < LogViewOptions::sectionSizes[size_t(s)]; ++row)
            m_table->setRowChecked(s, row, m_options.isSelected(first + row));
    }
}

void KVLogOptionsViewController::loadSelectionQuery()
{
    const QPointer<KVLogViewController> list = m_list;
    const LogViewOptions options = m_options;
    if (NavigationStack* stack = navigationStack())
        stack->pop(Animation::Animated);
    if (list)
        list->loadSelectionQuery(options);
}

void KVLogOptionsViewController::cancel()
{
    if (NavigationStack* stack = navigationStack())
        stack->pop(Animation::Animated);
}

}  // namespace korvel
