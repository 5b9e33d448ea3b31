#include "files/ui/KVDownloadHistoryViewController.h"

#include "files/ui/FileSheet.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Alert.h"
#include "platform/ui/KeyWindow.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeZone>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr int kEditBarHeight = 55;

}  // namespace

KVDownloadHistoryViewController::KVDownloadHistoryViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Downloads"
    setTitle(qtTrId("KORVEL_DOWNLOADS"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("downloadHistoryTable"));
    //% "Nothing has been downloaded yet."
    m_table->setEmptyText(qtTrId("TEXT_NO_DOWNLOADS"));

    m_editBar = new QWidget(this);
    m_editBar->setObjectName(QStringLiteral("downloadEditBar"));
    m_editBar->setFixedHeight(kEditBarHeight + Theme::spacing);
    m_editBar->setAutoFillBackground(true);
    auto* bar = new QHBoxLayout(m_editBar);
    bar->setContentsMargins(Theme::margin, Theme::spacing / 2, Theme::margin, Theme::spacing / 2);
    m_selectAll = new QPushButton(m_editBar);
    m_selectAll->setFlat(true);
    //% "Delete"
    m_delete = new QPushButton(qtTrId("TEXT_DELETE"), m_editBar);
    m_delete->setFlat(true);
    m_delete->setStyleSheet(QStringLiteral("QPushButton { color: %1; } QPushButton:disabled { color: %2; }")
                                .arg(Theme::current().destructive.name(), Theme::current().secondaryLabel.name()));
    for (QPushButton* button : {m_selectAll, m_delete}) {
        button->setMinimumSize(Theme::touchTarget * 2, Theme::touchTarget);
        button->setFocusPolicy(Qt::NoFocus);
    }
    bar->addWidget(m_selectAll);
    bar->addStretch();
    bar->addWidget(m_delete);
    m_editBar->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_editBar);

    connect(m_table, &TableView::rowSelected, this, [this](int, int row, int) { didSelectRow(row); });
    connect(m_selectAll, &QPushButton::clicked, this, &KVDownloadHistoryViewController::selectAllPressed);
    connect(m_delete, &QPushButton::clicked, this, &KVDownloadHistoryViewController::deletePressed);
    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("reload_download_history_table"),
                                                    [this](const Notification&) { reloadData(); });
    updateBarButton();
}

void KVDownloadHistoryViewController::showOn(NavigationStack* stack)
{
    if (!stack || qobject_cast<KVDownloadHistoryViewController*>(stack->topScreen()))
        return;
    stack->push(new KVDownloadHistoryViewController, NavigationStack::Animation::Animated);
}

void KVDownloadHistoryViewController::showOnMainStack()
{
    QWidget* window = keyWindow();
    if (!window)
        return;
    // The outermost stack holds the main screens; pickers and sheets bring stacks of their own.
    for (NavigationStack* stack : window->findChildren<NavigationStack*>()) {
        QWidget* up = stack->parentWidget();
        while (up && !qobject_cast<NavigationStack*>(up))
            up = up->parentWidget();
        if (!up) {
            showOn(stack);
            return;
        }
    }
}

void KVDownloadHistoryViewController::viewDidLoad()
{
    reloadData();
}

void KVDownloadHistoryViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    reloadData();
}

void KVDownloadHistoryViewController::reloadData()
{
    m_entries = KVSettings::getSettingsObject().arrDownloadHistory;
    m_rows.clear();
    QSet<qint64> stillListed;
    TableSection section;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (const DownloadHistoryParam& entry : m_entries) {
        const DownloadFiles::DownloadHistoryRow shown = DownloadFiles::downloadHistoryRow(entry, zone);
        m_rows.append(shown);
        TableRow row;
        row.id = int(entry.historyId);
        row.title = shown.title;
        row.detail = shown.detail;
        row.image = QStringLiteral("tab_download_icon");
        row.detailWarning = shown.state == DownloadFiles::DownloadHistoryRow::State::Missing;
        if (m_editing) {
            row.accessory = Accessory::Checkmark;
            row.checked = entry.historyId != 0 && m_selected.contains(entry.historyId);
            if (row.checked)
                stillListed.insert(entry.historyId);
        }
        section.rows.append(row);
    }
    m_selected = stillListed;
    m_table->setSections(m_entries.isEmpty() ? QList<TableSection>{} : QList<TableSection>{section});
    // The Tab key reaches the edit bar under the list after the rows, which are made anew here.
    if (const QList<TableCell*> rows = m_table->visibleCells(); !rows.isEmpty()) {
        Accessibility::tabInOrder({rows.last(), m_selectAll, m_delete});
    }
    updateEditBar();
    updateBarButton();
}

void KVDownloadHistoryViewController::setEditing(bool editing)
{
    m_editing = editing;
    m_selected.clear();
    m_editBar->setVisible(editing);
    reloadData();
}

void KVDownloadHistoryViewController::didSelectRow(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    const DownloadHistoryParam& entry = m_entries.at(index);
    if (m_editing) {
        // A download still running has nothing to delete yet.
        if (entry.historyId == 0)
            return;
        const bool mark = !m_selected.contains(entry.historyId);
        if (mark)
            m_selected.insert(entry.historyId);
        else
            m_selected.remove(entry.historyId);
        m_table->setRowChecked(0, index, mark);
        updateEditBar();
        return;
    }
    switch (m_rows.at(index).state) {
    case DownloadFiles::DownloadHistoryRow::State::Downloading:
        //% "The download is in progress."
        makeToast(this, qtTrId("DOWNLOAD_IS_IN_PROGRESS"));
        return;
    case DownloadFiles::DownloadHistoryRow::State::Missing:
        makeToast(this, qtTrId("FILE_DOES_NOT_EXIST"));
        return;
    case DownloadFiles::DownloadHistoryRow::State::Stored:
        FileSheet::showFile(m_rows.at(index).storedPath, this);
        return;
    }
}

void KVDownloadHistoryViewController::selectAllPressed()
{
    QSet<qint64> all;
    for (const DownloadHistoryParam& entry : m_entries) {
        if (entry.historyId != 0)
            all.insert(entry.historyId);
    }
    const bool everything = !all.isEmpty() && m_selected == all;
    m_selected = everything ? QSet<qint64>{} : all;
    for (int i = 0; i < m_entries.size(); ++i)
        m_table->setRowChecked(0, i, m_selected.contains(m_entries.at(i).historyId));
    updateEditBar();
}

void KVDownloadHistoryViewController::deletePressed()
{
    if (m_selected.isEmpty()) {
        //% "Please select at least one item to delete."
        makeToast(this, qtTrId("PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE"));
        return;
    }
    //% "Alert"
    const QString title = qtTrId("TEXT_ALERT");
    //% "Delete the selected entries from the history? The files stay in Documents."
    const QString message = qtTrId("DETAIL_MESSAGE") + QLatin1Char('\n') + qtTrId("FILES_HISTORY_DELETE_COUNT", int(m_selected.size()));
    auto* alert = new Alert(title, message);
    //% "No"
    alert->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel);
    QPointer<KVDownloadHistoryViewController> self(this);
    //% "Yes"
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Destructive, [self](Alert&) {
        if (!self)
            return;
        const QSet<qint64> ids = self->m_selected;
        self->m_editing = false;
        self->m_selected.clear();
        self->m_editBar->hide();
        DownloadFiles::deleteDownloadHistoryEntries(ids, KVSettings::getSettingsObject());
        self->reloadData();
    });
    alert->showOver(this);
}

void KVDownloadHistoryViewController::updateEditBar()
{
    qsizetype finished = 0;
    for (const DownloadHistoryParam& entry : m_entries)
        finished += entry.historyId != 0 ? 1 : 0;
    const bool everything = finished > 0 && m_selected.size() == finished;
    //% "Unselect All"
    const QString unselect = qtTrId("TITLE_UNSELECT_ALL");
    //% "Select All"
    const QString select = qtTrId("TITLE_SELECT_ALL");
    m_selectAll->setText(everything ? unselect : select);
    m_selectAll->setEnabled(finished > 0);
    m_delete->setEnabled(!m_selected.isEmpty());
}

void KVDownloadHistoryViewController::updateBarButton()
{
    if (m_entries.isEmpty() && !m_editing) {
        setRightBarButton(std::nullopt);
        return;
    }
    //% "Cancel"
    const QString cancel = qtTrId("BTN_TITLE_CANCEL");
    //% "Edit"
    const QString edit = qtTrId("TITLE_EDIT");
    setRightBarButton(BarButton{m_editing ? cancel : edit, [this] { setEditing(!m_editing); }, {}});
}

}  // namespace korvel
