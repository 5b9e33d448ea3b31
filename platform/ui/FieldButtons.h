#pragma once

class QIcon;
class QLabel;
class QLineEdit;
class QToolButton;

namespace korvel {

// Gives `field` a clear button a finger can hit: a touch target at the field's right end, shown
// while the field holds text, in place of the field's own icon-sized one. A tap empties the field
// as a person would (textEdited is emitted). Returns the button.
QToolButton* addClearButton(QLineEdit* field);

// Shows `icon` at the left end of `field` as a picture, not a button: it does nothing when tapped.
QLabel* addLeadingIcon(QLineEdit* field, const QIcon& icon);

}  // namespace korvel
