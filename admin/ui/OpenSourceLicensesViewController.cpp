#include "admin/ui/OpenSourceLicensesViewController.h"

#include "admin/OpenSourceLicenses.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QPlainTextEdit>
#include <QScroller>
#include <QVBoxLayout>

namespace korvel {

OpenSourceLicensesViewController::OpenSourceLicensesViewController(std::optional<int> library, QWidget* parent)
    : Screen(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QList<OpenSourceLibrary>& all = OpenSourceLicenses::libraries();
    if (library && *library >= 0 && *library < all.size()) {
        setObjectName(QStringLiteral("openSourceNotice"));
        setTitle(all.at(*library).name);
        m_notice = new QPlainTextEdit(this);
        m_notice->setReadOnly(true);
        m_notice->setAccessibleName(all.at(*library).name);
        m_notice->setFont(Theme::detailFont());
        m_notice->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_notice->setFrameShape(QFrame::NoFrame);
        m_notice->setTextInteractionFlags(Qt::NoTextInteraction);
        m_notice->document()->setDocumentMargin(Theme::margin);
        QScroller::grabGesture(m_notice->viewport(), QScroller::LeftMouseButtonGesture);
        //% "The licence notice of this library is not installed on this device (%1)."
        m_notice->setPlainText(OpenSourceLicenses::notice(all.at(*library)).value_or(qtTrId("TEXT_LICENSE_NOT_INSTALLED").arg(all.at(*library).package)));
        layout->addWidget(m_notice);
        return;
    }
    setObjectName(QStringLiteral("openSourceLicenses"));
    setTitle(qtTrId("OPEN_SOURCE_LICENSES"));
    m_table = new TableView(this);
    TableSection section;
    //% "Korvel is built on these libraries. Tap one to read its licence."
    section.footer = qtTrId("TEXT_LICENSES_FOOTER");
    for (int i = 0; i < all.size(); ++i) {
        TableRow row;
        row.id = i;
        row.title = all.at(i).name;
        row.detail = all.at(i).package;
        row.accessory = Accessory::Disclosure;
        section.rows.append(row);
    }
    m_table->setSections({section});
    layout->addWidget(m_table);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int index) { openLibrary(index); });
}

void OpenSourceLicensesViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

void OpenSourceLicensesViewController::openLibrary(int index)
{
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->push(new OpenSourceLicensesViewController(index), Animation::Animated);
}

}  // namespace korvel
