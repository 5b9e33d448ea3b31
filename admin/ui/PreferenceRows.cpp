#include "admin/ui/PreferenceRows.h"

#include "admin/PowerSaverSettings.h"
#include "settings/PreferenceText.h"
#include "settings/ShownText.h"

#include <QLabel>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
using T = P::FieldType;

}  // namespace

int PreferenceRows::rowId(const Field& field)
{
    return field.place.section * 100 + field.place.row;
}

const PreferenceRows::Field* PreferenceRows::fieldOf(const char* screen, int id)
{
    return id >= 0 ? P::fieldAt(screen, id / 100, id % 100) : nullptr;
}

TableRow PreferenceRows::row(const Field& field, const KVBrowserPrefSettings& values)
{
    TableRow r;
    r.id = rowId(field);
    r.title = shownTitle(field);
    r.detail = shownDetail(field);
    switch (field.type) {
    case T::Bool:
    case T::IntegerBool:
        r.accessory = Accessory::Switch;
        r.checked = values.*std::get<bool P::*>(field.member);
        break;
    case T::Int:
        if (field.names) {
            r.accessory = Accessory::Segmented;
            r.segments = shownValueNames(field);
            r.selectedSegment = values.*std::get<qint32 P::*>(field.member);
            break;
        }
        [[fallthrough]];
    case T::String:
        r.accessory = Accessory::TextField;
        r.text = PreferenceText::format(values, field);
        break;
    case T::Float:
        r.accessory = Accessory::Slider;
        r.value = values.*std::get<float P::*>(field.member);
        if (field.range) {
            r.minimum = field.range->minimum;
            r.maximum = field.range->maximum;
        }
        break;
    case T::TimeOfDay: {
        const QTime time = values.*std::get<QTime P::*>(field.member);
        r.detail = PowerSaverSettings::timeText(time);
        r.detailStyle = DetailStyle::Value;
        // A quarter of an hour a press: a slider gives a finger 3 px per step on a small panel.
        r.accessory = Accessory::Stepper;
        r.minimum = 0;
        r.maximum = 95;
        r.wraps = true;
        r.value = PowerSaverSettings::stepOfTime(time);
        break;
    }
    case T::Days:
        break;  // no control of its own: the screen shows the days
    }
    return r;
}

QList<TableSection> PreferenceRows::sections(const char* screen, const KVBrowserPrefSettings& values, const Adjust& adjust)
{
    QList<TableSection> out;
    for (const QList<const Field*>& fields : P::fieldsShownOn(screen)) {
        TableSection section;
        for (const Field* f : fields) {
            QList<TableRow> rows{row(*f, values)};
            if (adjust)
                adjust(*f, rows);
            section.rows << rows;
        }
        out << section;
    }
    return out;
}

bool PreferenceRows::take(const Field& field, KVBrowserPrefSettings& values, const QVariant& control)
{
    switch (field.type) {
    case T::Bool:
    case T::IntegerBool:
        values.*std::get<bool P::*>(field.member) = control.toBool();
        return true;
    case T::Int: {
        if (field.names) {
            values.*std::get<qint32 P::*>(field.member) = control.toInt();
            return true;
        }
        const std::optional<QVariant> typed = PreferenceText::parse(field, control.toString().trimmed());
        const std::optional<P::Range> range = field.rangeForTyping();
        if (!typed || (range && !range->contains(typed->toDouble())))
            return false;
        values.setValueFromDictionary(field, *typed);
        return true;
    }
    case T::String:
        values.*std::get<QString P::*>(field.member) = control.toString();
        return true;
    case T::Float:
        values.*std::get<float P::*>(field.member) = control.toFloat();
        return true;
    case T::TimeOfDay:
        values.*std::get<QTime P::*>(field.member) = PowerSaverSettings::timeOfStep(qRound(control.toDouble()));
        return true;
    case T::Days:
        return false;
    }
    return false;
}

void PreferenceRows::follow(TableView* table, const char* screen, KVBrowserPrefSettings* values, const Edit& first)
{
    const auto edited = [=](int id, const QVariant& control) {
        if (first && first(id, control))
            return;
        const Field* f = fieldOf(screen, id);
        if (!f || !take(*f, *values, control) || f->type != T::TimeOfDay)
            return;
        if (TableCell* cell = table->cellWithId(id); cell && cell->detailLabel())
            cell->detailLabel()->setText(PowerSaverSettings::timeText(values->*std::get<QTime P::*>(f->member)));
    };
    QObject::connect(table, &TableView::switchToggled, table, [=](int id, bool on) { edited(id, on); });
    QObject::connect(table, &TableView::textChanged, table, [=](int id, const QString& text) { edited(id, text); });
    QObject::connect(table, &TableView::segmentChanged, table, [=](int id, int index) { edited(id, index); });
    QObject::connect(table, &TableView::sliderChanged, table, [=](int id, double value) { edited(id, value); });
}

}  // namespace korvel
