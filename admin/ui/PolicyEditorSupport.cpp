#include "admin/ui/PolicyEditorSupport.h"

#include "admin/FilePickerLists.h"
#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"

#include <QLineEdit>
#include <QPointer>

namespace korvel::PolicyEditor {

void leave(Screen* editor)
{
    if (NavigationStack* stack = editor->navigationStack(); stack && stack->topScreen() == editor)
        stack->pop(Animation::Animated);
}

bool finishSave(Screen* editor, const EditOutcome& outcome)
{
    if (!outcome.done()) {
        makeToast(editor, outcome.message);
        return false;
    }
    leave(editor);
    return true;
}

Alert* askToDelete(Screen* editor, const QString& question, std::function<EditOutcome()> remove)
{
    auto* alert = new Alert(question);
    const QPointer<Screen> self(editor);
    //% "Yes"
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Destructive, [self, remove = std::move(remove)](Alert&) {
        if (!self)
            return;
        const EditOutcome outcome = remove();
        if (outcome.status == EditStatus::Refused) {
            makeToast(self, outcome.message);
            return;
        }
        leave(self);
    });
    //% "No"
    alert->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel);
    alert->showOver(editor);
    return alert;
}

void chooseImage(Screen* editor, KVFilePickerDelegate* delegate)
{
    NavigationStack* stack = editor->navigationStack();
    if (!stack)
        return;
    auto* picker = new KVFilePickerController;
    picker->setFileFilter([](const QString& path) { return FilePickerLists::groupOf(path) == FileGroup::Image; });
    picker->setDelegate(delegate);
    stack->present(KVFilePickerController::inOwnStack(picker), Animation::Animated);
}

void takeChosenImage(Screen* editor, KVFilePickerController* picker, int action, TableView* table, int row, QString& iconPath)
{
    if (action != 1)
        return;
    if (picker->selectedFileType() != FilePickerLists::title(FileGroup::Image)) {
        //% "Please select a valid image file"
        makeToast(editor, qtTrId("SETTINGS_SELECT_VALID_IMAGE"),
                  //% "Invalid Image File!"
                  {std::chrono::seconds(2), ToastPosition::Center, qtTrId("SETTINGS_INVALID_IMAGE_FILE"), {}});
        return;
    }
    iconPath = picker->fileSelected();
    if (TableCell* cell = table->cellWithId(row); cell && cell->textField())
        cell->textField()->setText(iconPath);
}

}  // namespace korvel::PolicyEditor
