#include "platform/ui/ActionSheet.h"

namespace korvel {

ActionSheet::ActionSheet(const QString& title, const QString& message, QWidget* parent)
    : Alert(Style::Sheet, title, message, parent)
{
}

}  // namespace korvel
