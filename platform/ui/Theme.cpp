#include "platform/ui/Theme.h"

#include "platform/Legibility.h"
#include "platform/ui/ThemeLegibility.h"

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

// High contrast: black or white text, secondary text close to it and a deep (light) or pale
// (dark) tint, so every text reaches 7:1 on the backgrounds, rows and buttons it stands on.
Theme makeLightHighContrast()
{
    Theme t = makeLight();
    t.groupedBackground = QColor(0xF2, 0xF2, 0xF7);
    t.label = QColor(0x00, 0x00, 0x00);
    t.secondaryLabel = QColor(0x3C, 0x3C, 0x43);
    t.separator = QColor(0x6C, 0x6C, 0x72);
    t.tint = QColor(0x00, 0x40, 0xA8);
    t.destructive = QColor(0x8E, 0x00, 0x00);
    t.selection = QColor(0xE0, 0xE0, 0xE6);
    t.toastBackground = QColor(0x00, 0x00, 0x00, 240);
    return t;
}

Theme makeDarkHighContrast()
{
    Theme t = makeDark();
    t.label = QColor(0xFF, 0xFF, 0xFF);
    t.secondaryLabel = QColor(0xD1, 0xD1, 0xD6);
    t.separator = QColor(0x8E, 0x8E, 0x93);
    t.tint = QColor(0x9C, 0xCB, 0xFF);
    t.destructive = QColor(0xFF, 0xB0, 0xA8);
    t.selection = QColor(0x2C, 0x2C, 0x2E);
    t.toastBackground = QColor(0xFF, 0xFF, 0xFF, 245);
    t.toastText = QColor(0x00, 0x00, 0x00);
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
    f.setPointSizeF(pointSize * ThemeLegibility::textScale());
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
        shared() = ThemeLegibility::highContrast() ? makeLightHighContrast() : makeLight();
        break;
    case Appearance::Dark:
        shared() = ThemeLegibility::highContrast() ? makeDarkHighContrast() : makeDark();
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
    const auto [plainText, filled, readableTint] = ThemeLegibility::buttonColours();
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
               "QLineEdit { min-height: %13px; padding: 0 12px; border: 1px solid %6; border-radius: 10px;"
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
        .arg(ThemeLegibility::scaled(touchTarget))
        .arg(rgba(t.selection), t.tint.name(), rgba(t.separator), t.secondaryLabel.name(), t.separator.name(),
             t.cell.name(), t.label.name(), filled.darker(125).name())
        .arg(plainText.name(), filled.name(), readableTint.name())
        .arg(ThemeLegibility::scaled(44));
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
    // White on the tint as designed; with high contrast whichever stands out more (the pale tint
    // of dark high contrast takes black).
    const quint32 tint = t.tint.rgb() & 0xFFFFFF;
    const bool blackOnTint = ThemeLegibility::highContrast() && Legibility::contrast(tint, 0) > Legibility::contrast(tint, 0xFFFFFF);
    const QColor onTint = blackOnTint ? QColor(Qt::black) : QColor(Qt::white);
    palette.setColor(QPalette::HighlightedText, onTint);
    palette.setColor(QPalette::Link, t.tint);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, t.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::Text, t.secondaryLabel);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, t.secondaryLabel);
    application.setPalette(palette);
    application.setFont(bodyFont());
    application.setStyleSheet(styleSheet());
}

}  // namespace korvel
