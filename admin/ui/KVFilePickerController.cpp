#include "admin/ui/KVFilePickerController.h"

#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

QString shownTitle(FileGroup group)
{
    switch (group) {
    case FileGroup::Image:
        //% "Image Files"
        return qtTrId("TEXT_IMAGE_FILES");
    case FileGroup::HTML:
        //% "HTML Files"
        return qtTrId("TEXT_HTML_FILES");
    case FileGroup::Video:
        //% "Video Files"
        return qtTrId("TEXT_VIDEO_FILES");
    case FileGroup::Audio:
        //% "Audio Files"
        return qtTrId("TEXT_AUDIO_FILES");
    case FileGroup::Document:
        //% "Document Files"
        return qtTrId("TEXT_DOCUMENT_FILES");
    case FileGroup::Other:
        //% "Other Files"
        return qtTrId("TEXT_OTHER_FILES");
    }
    return {};
}

// A presented screen with a navigation stack of its own, so that the picker has its bar without
// touching the bar of the screens under it.
class PickerSheet final : public Screen {
public:
    explicit PickerSheet(KVFilePickerController* picker)
    {
        auto* stack = new NavigationStack(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(stack);
        stack->showNavigationBar();
        stack->push(picker, Animation::None);
    }
};

// Hands a page the chosen files as absolute paths, once.
class PageAnswer final : public QObject, public KVFilePickerDelegate {
public:
    PageAnswer(PageFilePicker::Finished finished, QObject* parent)
        : QObject(parent)
        , m_finished(std::move(finished))
    {
    }

    void filePicker(KVFilePickerController* picker, int action) override
    {
        if (!m_finished)
            return;
        QStringList paths;
        if (action == 1) {
            for (const QString& name : picker->filesSelected())
                paths << Paths::documentsDirectory() + QLatin1Char('/') + name;
        }
        std::exchange(m_finished, nullptr)(paths);
    }

private:
    PageFilePicker::Finished m_finished;
};

}  // namespace

KVFilePickerController::KVFilePickerController(Selection selection, QWidget* parent)
    : Screen(parent)
    , m_selection(selection)
{
    //% "Choose a File"
    setTitle(qtTrId("TEXT_CHOOSE_FILE"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("filePickerTable"));
    //% "There are no files in Documents."
    m_table->setEmptyText(qtTrId("TEXT_NO_FILES_IN_DOCUMENTS"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::rowSelected, this, [this](int section, int item, int) { didSelectRow(section, item); });
    setLeftBarButton(BarButton{qtTrId("TEXT_CANCEL"), [this] { cancelButtonPressed(); }, {}});
    setRightBarButton(BarButton{qtTrId("TEXT_DONE"), [this] { doneButtonPressed(); }, {}});
    NotificationCenter::defaultCenter().addObserver(this, kApplicationDidEnterBackgroundNotification,
                                                    [this](const Notification&) { homeButtonPressed(); });
}

void KVFilePickerController::viewDidLoad()
{
    QStringList entries = FilePickerLists::walk(Paths::documentsDirectory());
    if (m_filter)
        entries.removeIf([this](const QString& path) { return !m_filter(path); });
    m_filesArray = FilePickerLists::build(entries);
    QList<TableSection> sections;
    for (const FilePickerGroup& group : m_filesArray) {
        TableSection section{shownTitle(group.group), {}, {}};
        for (const QString& file : group.files) {
            TableRow row;
            row.title = file;
            row.image = FilePickerLists::image(group.group);
            row.accessory = Accessory::Checkmark;
            section.rows.append(row);
        }
        sections.append(section);
    }
    m_table->setSections(sections);
}

void KVFilePickerController::didSelectRow(int section, int item)
{
    if (section < 0 || section >= m_filesArray.size() || item < 0 || item >= m_filesArray.at(section).files.size())
        return;
    const QPair<int, int> path(section, item);
    if (m_selection == Selection::Multiple && m_marked.contains(path)) {
        m_marked.removeOne(path);
        m_table->setRowChecked(section, item, false);
        return;
    }
    if (m_selection == Selection::Single) {
        for (const QPair<int, int>& marked : std::exchange(m_marked, {}))
            m_table->setRowChecked(marked.first, marked.second, false);
    }
    m_marked.append(path);
    m_table->setRowChecked(section, item, true);
}

void KVFilePickerController::doneButtonPressed()
{
    if (m_marked.isEmpty()) {
        //% "No File Selected"
        makeToast(this, qtTrId("TEXT_NO_FILE_SELECTED"));
        return;
    }
    m_chosen.clear();
    for (const QPair<int, int>& marked : m_marked)
        m_chosen << m_filesArray.at(marked.first).files.at(marked.second);
    m_chosenType = m_filesArray.at(m_marked.first().first).title;
    finish(1);
}

void KVFilePickerController::cancelButtonPressed()
{
    finish(0);
}

void KVFilePickerController::homeButtonPressed()
{
    m_marked.clear();
    m_chosen.clear();
    m_chosenType.clear();
    finish(0);
}

void KVFilePickerController::finish(int action)
{
    // One ending only: a second tap during the closing transition changes nothing.
    if (m_finished)
        return;
    m_finished = true;
    close();
    if (m_delegate)
        m_delegate->filePicker(this, action);
}

void KVFilePickerController::close()
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    if (stack->screens().size() > 1 && stack->topScreen() == this) {
        stack->pop(Animation::Animated);
        return;
    }
    if (auto* sheet = qobject_cast<Screen*>(stack->parentWidget()); sheet && sheet->presentingStack())
        sheet->presentingStack()->dismiss(Animation::Animated);
}

Screen* KVFilePickerController::inOwnStack(KVFilePickerController* picker)
{
    return new PickerSheet(picker);
}

Screen* KVFilePickerController::forPage(const PageFileRequest& request, PageFilePicker::Finished finished)
{
    auto* picker = new KVFilePickerController(request.selection == FileSelection::Multiple ? Selection::Multiple : Selection::Single);
    picker->setFileFilter([request](const QString& path) {
        if (request.withheld) {
            const std::optional<QString> inside = Paths::resolvedInside(Paths::documentsDirectory(), Paths::documentsDirectory() + QLatin1Char('/') + path);
            if (!inside || request.withheld(*inside))
                return false;
        }
        return PageFiles::accepts(path.section(QLatin1Char('/'), -1), request.accepted);
    });
    picker->setDelegate(new PageAnswer(std::move(finished), picker));
    return inOwnStack(picker);
}

}  // namespace korvel
