#pragma once

#include "platform/ui/TableView.h"
#include "settings/KVBrowserPrefSettings.h"

#include <functional>

namespace korvel {

// The rows of a settings screen made from the places of its preferences: adding a preference with
// a place puts it on its screen, editable, with nothing else to write. The control follows the
// type: a switch for a flag, segments for a number with named values, a text field for another
// number or a text, a slider for a fraction, a stepper of quarter hours for a time of day.
namespace PreferenceRows {

using Field = KVBrowserPrefSettings::Field;

// A preference row's id: its section * 100 + its row, as the settings search names places.
int rowId(const Field& field);
const Field* fieldOf(const char* screen, int rowId);

// The row of `field` showing its value in `values`: the place's title and subtitle (translated
// when they are ids of texts). A time of day shows its value where the subtitle would be.
TableRow row(const Field& field, const KVBrowserPrefSettings& values);

// Lets a screen adjust the rows of a preference whose control is special, or put others in their
// place (`rows` holds the made row).
using Adjust = std::function<void(const Field& field, QList<TableRow>& rows)>;

// Every row of `screen`, section by section; the screen gives the sections their headers.
QList<TableSection> sections(const char* screen, const KVBrowserPrefSettings& values, const Adjust& adjust = {});

// Writes a control's new value (a bool, a text, a segment's index, a slider's or stepper's
// value) into `values`. A number typed outside the values it may take is not taken. False when
// the row shows no preference or the value was not taken.
bool take(const Field& field, KVBrowserPrefSettings& values, const QVariant& control);

// Edits in `table`'s rows of `screen`'s preferences change `*values` (and a time's shown value);
// `first` sees each edit before and takes it by returning true.
using Edit = std::function<bool(int rowId, const QVariant& control)>;
void follow(TableView* table, const char* screen, KVBrowserPrefSettings* values, const Edit& first = {});

}  // namespace PreferenceRows

}  // namespace korvel
