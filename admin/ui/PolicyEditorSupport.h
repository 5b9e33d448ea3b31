#pragma once

#include "policy/EditOutcome.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace korvel {

class Alert;
class KVFilePickerController;
class KVFilePickerDelegate;
class Screen;
class TableView;

// What the website, category and blocked-website editors do alike.
namespace PolicyEditor {

// Leaves the editor (only when it is the top screen: a second tap changes nothing).
void leave(Screen* editor);
// A save's outcome: a refusal or a failed write is said in a toast and the editor stays (false);
// otherwise the editor goes (true).
bool finishSave(Screen* editor, const EditOutcome& outcome);
// Asks `question`; "Yes" runs `remove` and leaves, unless it was refused (said in a toast).
Alert* askToDelete(Screen* editor, const QString& question, std::function<EditOutcome()> remove);
// The file picker over the editor, listing images only; the answer goes to `delegate`.
void chooseImage(Screen* editor, KVFilePickerDelegate* delegate);
// The picker's answer: a chosen image becomes `iconPath` and the text of the table's `row`;
// cancelled, or not an image (said in a toast), nothing changes.
void takeChosenImage(Screen* editor, KVFilePickerController* picker, int action, TableView* table, int row, QString& iconPath);

// The editor's input: the record at `index` when there is one; else a new input, and no index.
template <class Input, class Record>
Input inputAt(std::optional<qsizetype>& index, const QList<Record>& records)
{
    if (index && *index >= 0 && *index < records.size())
        return Input::fromRecord(records.at(*index));
    index.reset();
    return Input();
}

}  // namespace PolicyEditor
}  // namespace korvel
