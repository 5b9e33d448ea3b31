#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace korvel {

// Which language the kiosk speaks: its screens' catalogue, the direction they run in, what web
// pages are asked for and which on-screen keyboard layouts are offered, all from one choice.
namespace Languages {

// The languages a catalogue is shipped for, by code ("de", "en", "pt_BR"), from the names of the
// compiled catalogues (korvel_<code>.qm) in `directory`: English first, then by code. Empty when
// the folder cannot be read.
QStringList shipped(const QString& directory);

// The locale whose catalogue the screens show for the "Language" preference `preference` (a
// shipped code; empty for the system's language): the preference when a catalogue is shipped for
// it, else the system locale when one is shipped for it or its language, else English. A value
// from elsewhere that names no shipped catalogue counts as empty.
QLocale effective(const QString& preference, const QLocale& system, const QStringList& shipped);

// The language named in itself, as a list of choices shows it: "Deutsch", "Français", "العربية".
QString nativeName(const QString& code);

// The Accept-Language header for `locale`: "de-AT,de;q=0.9,en;q=0.8", "en-US,en;q=0.9". English
// comes last as the fall-back every website has.
QString acceptLanguage(const QLocale& locale);

// The on-screen keyboard layouts to offer for `locale`, from the `available` layout locales
// ("de_DE", "ar_AR"): the one of its territory first, the language's others next, then English
// (web and mail addresses are typed in Latin letters); English alone is one layout. Never empty
// while `available` has en_US or en_GB.
QStringList keyboardLayouts(const QLocale& locale, const QStringList& available);

}  // namespace Languages

}  // namespace korvel
