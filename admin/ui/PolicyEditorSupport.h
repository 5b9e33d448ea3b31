#pragma once

#include "policy/EditOutcome.h"

#include <QString>

#include <functional>
#include <optional>

namespace korvel {

class Alert;
class KVFilePickerController;
class KVFilePickerDelegate;
class Screen;

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
// The picker's answer: the chosen image, or nothing (cancelled, or not an image: said in a toast).
std::optional<QString> chosenImage(Screen* editor, KVFilePickerController* picker, int action);

}  // namespace PolicyEditor
}  // namespace korvel
