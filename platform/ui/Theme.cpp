#include "platform/ui/Theme.h"

#include <QApplication>
#include <QPalette>

namespace korvel {

namespace {

Theme makeLight()
{
    Theme t;
    t.background = QColor(0xFF, 0xFF, 0xFF);
    t.groupedBackground = QColor(0xF2, 0xF2, 0xF7);
    t.cell = QColor(0xFF, 0xFF, 0xFF);
    t.label = QColor(0x1C, 0x1C, 0x1E);
    t.secondaryLabel = QColor(0x6C, 0x6C, 0x72);
    t.separator = QColor(0xD8, 0xD8, 0xDC);
    t.tint = QColor(0x17, 0x69, 0xD6);
    t.destructive = QColor(0xE0, 0x2F, 0x2F);
    t.selection = QColor(0xE3, 0xE3, 0xE8);
    t.dim = QColor(0, 0, 0, 110);
    t.toastBackground = QColor(0x1C, 0x1C, 0x1E, 225);
    t.toastText = QColor(0xFF, 0xFF, 0xFF);
    return t;
}

Theme makeDark()
{
    Theme t;
    t.background = QColor(0x00, 0x00, 0x00);
    t.groupedBackground = QColor(0x00, 0x00, 0x00);
    t.cell = QColor(0x1C, 0x1C, 0x1E);
    t.label = QColor(0xFF, 0xFF, 0xFF);
    t.secondaryLabel = QColor(0x98, 0x98, 0x9F);
    t.separator = QColor(0x38, 0x38, 0x3A);
    t.tint = QColor(0x3D, 0x8E, 0xF5);
    t.destructive = QColor(0xFF, 0x45, 0x3A);
    t.selection = QColor(0x3A, 0x3A, 0x3C);
    t.dim = QColor(0, 0, 0, 150);
    t.toastBackground = QColor(0xE5, 0xE5, 0xEA, 235);
    t.toastText = QColor(0x1C, 0x1C, 0x1E);
    return t;
}

Appearance currentAppearance = Appearance::Light;

Theme& shared()
{
    static Theme theme = makeLight();
    return theme;
}

QFont font(int pointSize, QFont::Weight weight)
{
    QFont f = QApplication::font();
    // Noto where it is installed (it covers most scripts); DejaVu is on every Debian system.
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(pointSize);
    f.setWeight(weight);
    return f;
}

QString rgba(const QColor& c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

}  // namespace

const Theme& Theme::current()
{
    return shared();
}

Appearance Theme::appearance()
{
    return currentAppearance;
}

void Theme::setAppearance(Appearance appearance)
{
    currentAppearance = appearance;
    switch (appearance) {
    case Appearance::Light:
        shared() = makeLight();
        break;
    case Appearance::Dark:
        shared() = makeDark();
        break;
    }
}

QFont Theme::bodyFont()
{
    return font(bodyPointSize, QFont::Normal);
}

QFont Theme::detailFont()
{
    return font(detailPointSize, QFont::Normal);
}

QFont Theme::titleFont()
{
    return font(titlePointSize, QFont::DemiBold);
}

QFont Theme::headerFont()
{
    return font(headerPointSize, QFont::Normal);
}

QFont Theme::largeTitleFont()
{
    return font(largeTitlePointSize, QFont::Bold);
}

QString Theme::styleSheet()
{
    const Theme& t = current();
    const bool dark = appearance() == Appearance::Dark;
    // Button texts reach 4.5:1: the tint on a button's grey falls short (4.1:1 light, 3.5:1 dark),
    // so plain buttons take a shade further from the grey; in the dark the tint is lightened for
    // text and darkened behind white text.
    const auto mixed = [](const QColor& a, const QColor& b, float f) {
        return QColor::fromRgbF(a.redF() * (1 - f) + b.redF() * f, a.greenF() * (1 - f) + b.greenF() * f, a.blueF() * (1 - f) + b.blueF() * f);
    };
    const QColor readableTint = dark ? mixed(t.tint, Qt::white, 0.4f) : t.tint;
    const QColor plainText = dark ? readableTint : t.tint.darker(118);
    const QColor filled = dark ? t.tint.darker(135) : t.tint;
    // Only standard widgets are styled here; our own widgets paint with the colours directly.
    return QStringLiteral(
               "QPushButton { min-height: %1px; padding: 0 16px; border: none;"
               " border-radius: 10px; background: %2; color: %10; }"
               "QPushButton:pressed { background: %4; }"
               "QPushButton:disabled { color: %5; }"
               "QPushButton[role=\"primary\"] { background: %11; color: white; font-weight: 600; }"
               "QPushButton[role=\"primary\"]:pressed { background: %9; }"
               "QPushButton[flat=\"true\"] { background: transparent; color: %12; }"
               "QPushButton[flat=\"true\"]:pressed { background: %4; }"
               "QLineEdit { min-height: 44px; padding: 0 12px; border: 1px solid %6; border-radius: 10px;"
               " background: %7; color: %8; selection-background-color: %3; }"
               "QLineEdit:focus { border: 2px solid %3; }"
               // A field that cannot be edited must not look as if it could: no white box, grey text.
               "QLineEdit:disabled { background: transparent; color: %5; border: 1px dashed %6; }"
               "QProgressBar { min-height: 6px; max-height: 6px; border: none; border-radius: 3px; background: %6; }"
               "QProgressBar::chunk { border-radius: 3px; background: %3; }"
               // A handle a fingertip covers without hiding it entirely.
               "QSlider::groove:horizontal { height: 6px; border-radius: 3px; background: %6; }"
               "QSlider::sub-page:horizontal { height: 6px; border-radius: 3px; background: %3; }"
               "QSlider::handle:horizontal { width: 44px; height: 44px; margin: -19px 0; border-radius: 22px;"
               " background: %7; border: 1px solid %6; }"
               "QScrollBar:vertical { width: 6px; background: transparent; margin: 2px; }"
               "QScrollBar::handle:vertical { min-height: 40px; border-radius: 3px; background: rgba(120,120,128,128); }"
               "QScrollBar::add-line, QScrollBar::sub-line { height: 0; width: 0; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }")
        .arg(touchTarget)
        .arg(rgba(t.selection), t.tint.name(), rgba(t.separator), t.secondaryLabel.name(), t.separator.name(),
             t.cell.name(), t.label.name(), filled.darker(125).name())
        .arg(plainText.name(), filled.name(), readableTint.name());
}

void Theme::apply(QApplication& application)
{
    const QByteArray wanted = qgetenv("KORVEL_APPEARANCE").trimmed().toLower();
    setAppearance(wanted == "dark" ? Appearance::Dark : Appearance::Light);
    const Theme& t = current();
    QPalette palette = application.palette();
    palette.setColor(QPalette::Window, t.background);
    palette.setColor(QPalette::WindowText, t.label);
    palette.setColor(QPalette::Base, t.cell);
    palette.setColor(QPalette::AlternateBase, t.groupedBackground);
    palette.setColor(QPalette::Text, t.label);
    palette.setColor(QPalette::PlaceholderText, t.secondaryLabel);
    palette.setColor(QPalette::Button, t.cell);
    palette.setColor(QPalette::ButtonText, t.tint);
    palette.setColor(QPalette::Highlight, t.tint);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, t.tint);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, t.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::Text, t.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, t.secondaryLabel);
    application.setPalette(palette);
    application.setFont(bodyFont());
    application.setStyleSheet(styleSheet());
}

}  // namespace korvel
