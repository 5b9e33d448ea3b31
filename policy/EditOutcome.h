#pragma once

#include <QString>

namespace korvel {

enum class EditStatus {
    Done,      // the change is made and saved
    Refused,   // the input was refused; nothing was changed
    NotSaved,  // the change is made in memory but the settings file could not be written
};

// What an editing operation did. `message` is the text shown to the administrator: the reason of a
// refusal, or a confirmation some operations give.
struct EditOutcome {
    EditStatus status = EditStatus::Done;
    QString message;
    qsizetype index = -1;  // where the edited record now is, when there is one

    bool done() const { return status == EditStatus::Done; }

    static EditOutcome refused(const QString& why) { return {EditStatus::Refused, why, -1}; }
    static EditOutcome saved(bool written, qsizetype at, const QString& message = QString())
    {
        return {written ? EditStatus::Done : EditStatus::NotSaved,
                written ? message : QStringLiteral("The settings could not be saved."), at};
    }
};

}  // namespace korvel
