#include "tools/screenshots/LookCheck.h"

#include "platform/Legibility.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QWindow>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextDocument>
#include <QWebEngineView>
#include <QtMath>

#include <algorithm>

namespace korvel {

namespace {

double channel(double c)
{
    c /= 255.0;
    return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QColor over(const QColor& top, const QColor& below)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(float(top.redF() * a + below.redF() * (1 - a)),
                            float(top.greenF() * a + below.greenF() * (1 - a)),
                            float(top.blueF() * a + below.blueF() * (1 - a)));
}

QString describe(const QWidget* w)
{
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        name += QLatin1Char('#') + w->objectName();
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text().isEmpty() ? button->accessibleName() : button->text();
    else if (const auto* field = qobject_cast<const QLineEdit*>(w))
        text = field->text().isEmpty() ? field->placeholderText() : field->text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text = text.simplified();
    if (text.size() > 40)
        text = text.left(39) + QChar(0x2026);
    if (!text.isEmpty())
        name += QStringLiteral(" \"") + text + QLatin1Char('"');
    return name;
}

// Web content, whose look belongs to the website, and scroll bars, which only show where a
// finger-scrolled list stands, are not judged.
bool excluded(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (qobject_cast<const QWebEngineView*>(p))
            return true;
        if (p->property("lookCheckExempt").toBool())
            return true;
    }
    return qobject_cast<const QScrollBar*>(w) != nullptr;
}

// The part of w a finger can reach: sliders are dragged by the handle, the rest anywhere.
QSize targetSize(const QWidget* w)
{
    if (const auto* slider = qobject_cast<const QSlider*>(w)) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        option.upsideDown = slider->invertedAppearance() != (slider->orientation() == Qt::Horizontal && slider->layoutDirection() == Qt::RightToLeft);
        // The style sheet's handle rules are ":horizontal"/":vertical"; without the state they do
        // not match and the base style's small handle is measured instead of the one painted.
        option.state |= slider->orientation() == Qt::Horizontal ? QStyle::State_Horizontal : QStyle::State_None;
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).size();
    }
    return w->size();
}

bool interactive(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QSlider*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const SegmentedControl*>(w))
        return true;
    // A row the finger taps; rows whose control is their own widget are judged by that control.
    if (const auto* cell = qobject_cast<const TableCell*>(w))
        return cell->row().accessory == Accessory::Disclosure || cell->row().accessory == Accessory::Checkmark;
    return false;
}

// The text's colour as the widget paints it, and whether it shows any text at all.
bool textColour(const QWidget* w, QColor* colour)
{
    const QPalette::ColorGroup group = w->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QPalette& p = w->palette();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().trimmed().isEmpty())
            return false;
        *colour = p.color(group, label->foregroundRole());
        return true;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->text().trimmed().isEmpty())
            return false;
        *colour = p.color(group, button->foregroundRole());
        return true;
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
        // A placeholder is a hint that gives way to the first key; what the field is for is said by
        // its row's title or the prompt, which are judged.
        if (field->text().isEmpty())
            return false;
        *colour = p.color(group, QPalette::Text);
        return true;
    }
    return false;
}

// What the text stands on: the colour that fills most of the widget's area on screen. Text
// covers a small part of its own box, so the commonest colour there is its background, however
// that background was painted (palette, style rule or a parent's own painting).
QColor backgroundColour(const QImage& screen, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(screen.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    QRgb best = 0xFFFFFFFFu;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor::fromRgb(best);
}

// Windows that are not the widgets' own, such as the on-screen keyboard: what lies under them is
// hidden, and QApplication::widgetAt() looks through them.
QList<QRect> foreignWindows()
{
    QSet<const QWindow*> own;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (const QWindow* handle = window->windowHandle())
            own.insert(handle);
    }
    QList<QRect> areas;
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && window->opacity() > 0 && !own.contains(window))
            areas.append(window->geometry());
    }
    return areas;
}

QString plainText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

int longestWord(const QFontMetrics& metrics, const QString& text)
{
    int longest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        longest = std::max(longest, metrics.horizontalAdvance(word));
    return longest;
}

QString needs(int needW, int needH, const QSize& has)
{
    return QStringLiteral("text cut off: needs %1x%2 px, has %3x%4").arg(needW).arg(needH).arg(has.width()).arg(has.height());
}

// A row's title or value that reaches into the room of its drawn chevron or check mark, where the
// two are painted over each other.
QString underAccessory(const QWidget* w)
{
    const auto* cell = qobject_cast<const TableCell*>(w->parentWidget());
    const auto* label = qobject_cast<const QLabel*>(w);
    if (!cell || !label || label->text().trimmed().isEmpty() || (label != cell->titleLabel() && label != cell->detailLabel()))
        return QString();
    const QRect accessory = cell->accessoryRect();
    const QRect text = label->geometry();
    if (accessory.isEmpty() || !text.intersects(accessory))
        return QString();
    return QStringLiteral("runs under the row's %1: x %2 to %3, the accessory x %4 to %5")
        .arg(cell->row().accessory == Accessory::Disclosure ? QStringLiteral("chevron") : QStringLiteral("check mark"))
        .arg(text.left())
        .arg(text.right())
        .arg(accessory.left())
        .arg(accessory.right());
}

}  // namespace

QString LookCheck::overflow(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->property("elidesByDesign").toBool())
            return QString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QString text = plainText(label->text()).trimmed();
        if (text.isEmpty())
            return QString();
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        const QFontMetrics metrics = label->fontMetrics();
        if (label->wordWrap()) {
            const int height = label->heightForWidth(label->width());
            if (longestWord(metrics, text) > room.width() || height > label->height())
                return needs(std::max(longestWord(metrics, text), room.width()), height, label->size());
            return QString();
        }
        const QSize need = metrics.size(0, text);
        if (need.width() > room.width() + 1 || need.height() > room.height() + 1)
            return needs(need.width(), need.height(), room.size());
        return QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (button->text().trimmed().isEmpty())
            return QString();
        // The text and the icon beside it, with the least room a frame takes; a style's minimum
        // width for buttons is no text of ours.
        const auto* tool = qobject_cast<const QToolButton*>(button);
        const bool beside = !button->icon().isNull() && !(tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        const int width = text.width() + (beside ? button->iconSize().width() + 4 : 0) + 8;
        if (width > button->width())
            return needs(width, text.height(), button->size());
        return QString();
    }
    if (const auto* segments = qobject_cast<const SegmentedControl*>(w)) {
        const QStringList texts = segments->segments();
        const int each = texts.isEmpty() ? 0 : segments->width() / int(texts.size()) - 8;
        for (const QString& text : texts) {
            const int width = segments->fontMetrics().horizontalAdvance(text);
            if (width > each)
                return QStringLiteral("segment \"%1\" cut off: needs %2 px, has %3").arg(text).arg(width).arg(each);
        }
    }
    return QString();
}

double LookCheck::contrast(const QColor& a, const QColor& b)
{
    double la = luminance(a), lb = luminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

QStringList LookCheck::offenders(const QString& screen, bool fitOnly)
{
    QStringList found;
    const QList<QRect> covered = foreignWindows();
    const QImage shot = fitOnly ? QImage() : QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowOpacity() == 0)
            continue;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            if (!w->isVisible() || excluded(w))
                continue;
            const QRegion shown = w->visibleRegion();
            if (shown.isEmpty())
                continue;
            const QRect onScreen = QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).intersected(screenRect);
            if (onScreen.isEmpty())
                continue;
            if (std::any_of(covered.cbegin(), covered.cend(), [&](const QRect& area) { return area.intersects(onScreen); }))
                continue;
            // Only what the finger can fully see is judged; a row half scrolled away is fine.
            const bool whole = shown.boundingRect() == w->rect() && onScreen.size() == w->size();
            // A widget under a sheet or a dimming layer is not what the person sees there.
            const QWidget* onTop = QApplication::widgetAt(onScreen.center());
            if (onTop && onTop != w && !w->isAncestorOf(onTop) && !onTop->isAncestorOf(w))
                continue;
            if (interactive(w) && whole && !fitOnly) {
                const QSize target = targetSize(w);
                if (target.width() < minimumTarget || target.height() < minimumTarget)
                    found << QStringLiteral("%1: %2: %3x%4 px").arg(screen, describe(w)).arg(target.width()).arg(target.height());
            }
            if (whole) {
                if (const QString cut = overflow(w); !cut.isEmpty())
                    found << QStringLiteral("%1: %2: %3").arg(screen, describe(w), cut);
                if (const QString under = underAccessory(w); !under.isEmpty())
                    found << QStringLiteral("%1: %2: %3").arg(screen, describe(w), under);
            }
            QColor text;
            if (!fitOnly && w->isEnabled() && whole && textColour(w, &text)) {
                const QColor behind = backgroundColour(shot, onScreen);
                const double ratio = contrast(over(text, behind), behind);
                if (ratio < minimumContrast())
                    found << QStringLiteral("%1: %2: contrast %3:1 (%4 on %5)")
                                 .arg(screen, describe(w))
                                 .arg(ratio, 0, 'f', 2)
                                 .arg(text.name(), behind.name());
            }
        }
    }
    return found;
}

double LookCheck::minimumContrast()
{
    return Legibility::minimumContrast(ThemeLegibility::highContrast());
}

}  // namespace korvel
