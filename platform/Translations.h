#pragma once

#include <QLocale>
#include <QString>

namespace korvel {

// The texts behind the localisation keys ("TEXT_BACK" -> "Back"): compiled catalogues
// resources/translations/korvel_<locale>.qm, looked up with qtTrId.
namespace Translations {

// Installs the catalogue for `locale` (its language, then English when there is none for it) on
// the application, in place of the one installed before (Qt tells every widget with a
// LanguageChange event). Returns false when not even the English catalogue loads; the keys
// themselves are shown then, or the texts of the catalogue installed before.
bool install(const QLocale& locale = QLocale::system());

// The catalogue file that install() would take for `locale`; empty when none exists.
QString catalogueFor(const QLocale& locale);

// The locale of the last catalogue install() put in place (English before any).
QLocale installedLocale();
// The folder of the compiled catalogues.
QString directory();

}  // namespace Translations

}  // namespace korvel
