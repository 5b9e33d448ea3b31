#pragma once

#include <QStringList>

class QWidget;

namespace korvel::test {

// What a person would see wrong on the shown widgets of `window`: a text that is still a
// localisation key, a touch target smaller than a finger, a text cut off by its widget, a control
// outside the window. Each problem is one readable line; an empty list means none was found.
QStringList auditScreen(QWidget* window);

// Whether `text` looks like a localisation key ("TEXT_BACK") rather than words.
bool looksLikeKey(const QString& text);

}  // namespace korvel::test
