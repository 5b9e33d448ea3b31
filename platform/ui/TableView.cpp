#include "platform/ui/TableView.h"

#include "platform/ui/Accessibility.h"
#include "platform/ui/FieldButtons.h"
#include "platform/ui/Images.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "platform/ui/ToggleSwitch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScroller>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace korvel {

namespace {

constexpr int sliderSteps = 1000;
constexpr int accessoryRoom = 36;   // end margin kept for a drawn chevron or check mark
constexpr int tapSlop = 12;         // a finger that moved further was scrolling, not tapping
constexpr int widestContent = 760;  // rows wider than this are hard to read across

// The rounded group the rows of one section sit in.
class GroupCard final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), Theme::cornerRadius, Theme::cornerRadius);
        painter.fillPath(path, Theme::current().cell);
    }
};

// Keeps the column of sections at a readable width in the middle of wide screens.
class CenteredColumn final : public QWidget {
public:
    explicit CenteredColumn(QWidget* parent)
        : QWidget(parent)
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        const int side = std::max(Theme::margin, (width() - widestContent) / 2);
        if (layout())
            layout()->setContentsMargins(side, Theme::margin, side, Theme::sectionGap);
    }
};

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    // A row that cannot be used now reads faded, as the platform's settings show it.
    QColor faded = colour;
    faded.setAlphaF(0.35);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, faded);
    label->setPalette(palette);
    // Taps go to the row, not the text.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

TableCell::TableCell(const TableRow& row, QWidget* parent)
    : QWidget(parent)
    , m_row(row)
{
    const Theme& theme = Theme::current();
    setMinimumHeight(ThemeLegibility::scaled(Theme::rowHeight));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    setEnabled(row.enabled);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(12);
    m_textLeft = Theme::margin;

    const QIcon icon = !row.icon.isNull() ? row.icon : Images::icon(row.image);
    if (!icon.isNull()) {
        m_image = new QLabel(this);
        m_image->setFixedSize(Theme::rowImageSize, Theme::rowImageSize);
        m_image->setPixmap(icon.pixmap(QSize(Theme::rowImageSize, Theme::rowImageSize), devicePixelRatioF()));
        m_image->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(m_image);
        m_textLeft += Theme::rowImageSize + 12;
    }

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->setContentsMargins(0, 0, 0, 0);
    m_title = makeLabel(row.title, Theme::bodyFont(), row.destructive ? theme.destructive : theme.label, this);
    m_title->setObjectName(QStringLiteral("rowTitle"));
    m_title->setWordWrap(true);
    texts->addWidget(m_title);
    const bool subtitle = row.detailStyle == DetailStyle::Subtitle;
    m_detail = makeLabel(row.detail, subtitle ? Theme::detailFont() : Theme::bodyFont(),
                         row.detailWarning ? theme.destructive : theme.secondaryLabel, this);
    m_detail->setObjectName(QStringLiteral("rowDetail"));
    m_detail->setVisible(!row.detail.isEmpty());
    if (subtitle) {
        m_detail->setWordWrap(true);
        texts->addWidget(m_detail);
    }
    layout->addLayout(texts, 1);
    if (!subtitle)
        layout->addWidget(m_detail, 0, Qt::AlignRight | Qt::AlignVCenter);

    switch (row.accessory) {
    case Accessory::None:
    case Accessory::Disclosure:
    case Accessory::Checkmark:
        break;
    case Accessory::Switch:
        m_switch = new ToggleSwitch(this);
        m_switch->setChecked(row.checked);
        connect(m_switch, &ToggleSwitch::toggled, this, [this](bool on) {
            m_row.checked = on;
            Q_EMIT switchToggled(on);
        });
        layout->addWidget(m_switch);
        break;
    case Accessory::TextField:
        m_field = new QLineEdit(row.text, this);
        m_field->setPlaceholderText(row.placeholder);
        m_field->setEchoMode(row.secure ? QLineEdit::Password : QLineEdit::Normal);
        m_field->setMinimumWidth(160);
        m_field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(m_field, &QLineEdit::textChanged, this, [this](const QString& text) {
            m_row.text = text;
            Q_EMIT textChanged(text);
        });
        layout->setStretch(layout->indexOf(texts), 0);
        layout->addWidget(m_field, 1);
        break;
    case Accessory::Segmented:
        m_segments = new SegmentedControl(row.segments, this);
        m_segments->setSelectedIndex(row.selectedSegment);
        connect(m_segments, &SegmentedControl::selectionChanged, this, [this](int index) {
            m_row.selectedSegment = index;
            Q_EMIT segmentChanged(index);
        });
        layout->addWidget(m_segments);
        break;
    case Accessory::Slider: {
        m_slider = new QSlider(Qt::Horizontal, this);
        m_slider->setRange(0, sliderSteps);
        m_slider->setMinimumWidth(200);
        m_slider->setFixedHeight(Theme::touchTarget);
        const double span = row.maximum - row.minimum;
        m_slider->setValue(span > 0 ? int(std::lround((row.value - row.minimum) / span * sliderSteps)) : 0);
        connect(m_slider, &QSlider::valueChanged, this, [this](int step) {
            m_row.value = m_row.minimum + (m_row.maximum - m_row.minimum) * step / sliderSteps;
            Q_EMIT sliderChanged(m_row.value);
        });
        layout->addWidget(m_slider, 1);
        break;
    }
    case Accessory::Stepper: {
        // Held down, a button repeats, so the whole range is a few seconds away.
        auto makeButton = [this, layout](const QString& text, double direction) {
            auto* button = new QPushButton(text, this);
            button->setFixedSize(Theme::touchTarget, Theme::touchTarget);
            button->setAutoRepeat(true);
            button->setFont(Theme::titleFont());
            connect(button, &QPushButton::clicked, this, [this, direction] {
                double next = m_row.value + direction * m_row.step;
                if (next > m_row.maximum + 1e-9)
                    next = m_row.wraps ? m_row.minimum : m_row.maximum;
                else if (next < m_row.minimum - 1e-9)
                    next = m_row.wraps ? m_row.maximum : m_row.minimum;
                if (next == m_row.value)
                    return;
                m_row.value = next;
                Q_EMIT sliderChanged(next);
            });
            layout->addWidget(button);
            return button;
        };
        //% "Decrease"
        (m_stepDown = makeButton(QStringLiteral("\u2212"), -1))->setAccessibleName(qtTrId("TEXT_STEPPER_DECREASE"));
        //% "Increase"
        (m_stepUp = makeButton(QStringLiteral("+"), 1))->setAccessibleName(qtTrId("TEXT_STEPPER_INCREASE"));
        break;
    }
    }
    // For assistive technology and the keyboard a row is a button or a choice named by its title;
    // a row with a control of its own lends that control its title.
    setAccessibleDescription(row.detail);
    switch (row.accessory) {
    case Accessory::None:
        Accessibility::markControl(this, QAccessible::ListItem, row.title);
        break;
    case Accessory::Disclosure:
        Accessibility::markControl(this, QAccessible::Button, row.title);
        break;
    case Accessory::Checkmark:
        Accessibility::markControl(this, QAccessible::RadioButton, row.title);
        Accessibility::setChecked(this, row.checked);
        break;
    case Accessory::Switch:
        m_switch->setAccessibleName(row.title);
        break;
    case Accessory::TextField:
        m_field->setAccessibleName(row.title.isEmpty() ? row.placeholder : row.title);
        break;
    case Accessory::Segmented:
        if (!row.title.isEmpty())
            m_segments->setAccessibleName(row.title);
        break;
    case Accessory::Slider:
        m_slider->setAccessibleName(row.title);
        break;
    case Accessory::Stepper:
        setAccessibleName(row.title);
        break;
    }
    placeMargins();
}

// A layout's margins are not mirrored with its items: right to left, the room kept for the drawn
// chevron or check mark must be on the left, where they are drawn, or a value runs under them.
void TableCell::placeMargins()
{
    const bool drawnAccessory = m_row.accessory == Accessory::Disclosure || m_row.accessory == Accessory::Checkmark;
    const int start = Theme::margin;
    const int end = drawnAccessory ? accessoryRoom : Theme::margin - 4;
    if (isRightToLeft())
        layout()->setContentsMargins(end, 6, start, 6);
    else
        layout()->setContentsMargins(start, 6, end, 6);
    // A wrapped text takes its direction from its first letters: a subtitle that starts with a
    // Latin name ("Korvel ...") would stand at the left of a right-to-left row.
    const Qt::Alignment side = isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute;
    for (QLabel* label : {m_title, m_detail}) {
        if (label && label->wordWrap())
            label->setAlignment(side | Qt::AlignVCenter);
    }
}

QRect TableCell::accessoryRect() const
{
    if (m_row.accessory != Accessory::Disclosure && m_row.accessory != Accessory::Checkmark)
        return QRect();
    return isRightToLeft() ? QRect(0, 0, accessoryRoom, height()) : QRect(width() - accessoryRoom, 0, accessoryRoom, height());
}

void TableCell::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        placeMargins();
}

void TableCell::setLast(bool last)
{
    m_last = last;
    update();
}

void TableCell::setChecked(bool checked)
{
    m_row.checked = checked;
    if (m_row.accessory == Accessory::Checkmark)
        Accessibility::setChecked(this, checked);
    update();
}

void TableCell::paintEvent(QPaintEvent*)
{
    const Theme& theme = Theme::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_pressed) {
        // The group's rounded corners show through at the ends of the column.
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), Theme::cornerRadius, Theme::cornerRadius);
        painter.fillPath(path, theme.selection);
        if (!m_last)
            painter.fillRect(QRectF(0, height() / 2.0, width(), height() / 2.0), theme.selection);
    }
    // Right to left, the row reads from the right: the separator starts under the text there, and
    // the accessory sits at the left with the chevron pointing on.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    if (!m_last)
        painter.fillRect(QRectF(rtl ? 0 : m_textLeft, height() - 1, width() - m_textLeft, 1), theme.separator);
    // The ring shows once the keyboard moves the focus, as Qt's own focus frames do.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(theme.tint, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), Theme::cornerRadius - 1, Theme::cornerRadius - 1);
    }
    const qreal cx = rtl ? accessoryRoom / 2.0 + 2 : width() - accessoryRoom / 2.0 - 2;
    const qreal cy = height() / 2.0;
    const qreal dx = rtl ? -1 : 1;
    switch (m_row.accessory) {
    case Accessory::Disclosure:
        painter.setPen(QPen(theme.secondaryLabel, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(cx - 3 * dx, cy - 7), QPointF(cx + 4 * dx, cy), QPointF(cx - 3 * dx, cy + 7)}));
        break;
    case Accessory::Checkmark:
        if (m_row.checked) {
            painter.setPen(QPen(theme.tint, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF({QPointF(cx - 8, cy), QPointF(cx - 3, cy + 6), QPointF(cx + 7, cy - 7)}));
        }
        break;
    case Accessory::None:
    case Accessory::Switch:
    case Accessory::TextField:
    case Accessory::Segmented:
    case Accessory::Slider:
    case Accessory::Stepper:
        break;
    }
}

void TableCell::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The keyboard's press is a tap on the row.
    event->accept();
    if (!isEnabled())
        return;
    if (m_switch)
        m_switch->toggle();
    Q_EMIT tapped();
}

void TableCell::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressAt = event->position().toPoint();
    m_pressed = true;
    update();
}

void TableCell::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (m_pressed && (event->position().toPoint() - m_pressAt).manhattanLength() > tapSlop) {
        m_pressed = false;
        update();
    }
}

void TableCell::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool tap = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    update();
    if (!tap || !isEnabled())
        return;
    // A switch row answers a tap anywhere on it, the larger target.
    if (m_switch)
        m_switch->toggle();
    Q_EMIT tapped();
}

TableView::TableView(QWidget* parent)
    : QWidget(parent)
    , m_scroll(new QScrollArea(this))
    , m_content(new CenteredColumn(m_scroll))
    , m_sectionsBox(new QVBoxLayout)
    , m_search(new QLineEdit(m_content))
    , m_empty(new QLabel(m_content))
{
    const Theme& theme = Theme::current();
    m_scroll->setWidget(m_content);
    // The grouped background is painted by the table itself: palettes do not hold under the
    // application's style sheet, and the scroll area would fill its page with the window colour.
    m_content->setAutoFillBackground(false);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->viewport()->setAutoFillBackground(false);
    // Fingers scroll with momentum; a mouse keeps its wheel and the bar.
    QScroller::grabGesture(m_scroll->viewport(), QScroller::TouchGesture);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroll);

    m_search->setObjectName(QStringLiteral("tableSearch"));
    if (const QIcon magnifier = Images::icon(QStringLiteral("search_settings")); !magnifier.isNull())
        addLeadingIcon(m_search, magnifier);
    addClearButton(m_search);
    m_search->hide();
    connect(m_search, &QLineEdit::textChanged, this, &TableView::applySearch);

    m_empty->setObjectName(QStringLiteral("tableEmpty"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setFont(Theme::titleFont());
    QPalette emptyPalette = m_empty->palette();
    emptyPalette.setColor(QPalette::WindowText, theme.secondaryLabel);
    m_empty->setPalette(emptyPalette);
    m_empty->setContentsMargins(0, 60, 0, 0);
    m_empty->hide();

    auto* column = new QVBoxLayout(m_content);
    column->setSpacing(Theme::spacing);
    column->addWidget(m_search);
    m_sectionsBox->setSpacing(Theme::sectionGap);
    m_sectionsBox->setContentsMargins(0, Theme::spacing, 0, 0);
    column->addLayout(m_sectionsBox);
    column->addWidget(m_empty);
    column->addStretch(1);
}

void TableView::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Theme::current().groupedBackground);
}

void TableView::setSections(const QList<TableSection>& sections)
{
    m_sections = sections;
    rebuild();
}

TableCell* TableView::cell(int section, int row) const
{
    if (section < 0 || section >= m_cells.size() || row < 0 || row >= m_cells.at(section).size())
        return nullptr;
    return m_cells.at(section).at(row);
}

void TableView::setRowChecked(int section, int row, bool checked)
{
    TableCell* target = cell(section, row);
    if (!target)
        return;
    m_sections[section].rows[row].checked = checked;
    target->setChecked(checked);
}

TableCell* TableView::cellWithId(int id) const
{
    for (const QList<TableCell*>& cells : m_cells) {
        for (TableCell* c : cells) {
            if (c->row().id == id)
                return c;
        }
    }
    return nullptr;
}

QList<TableCell*> TableView::visibleCells() const
{
    QList<TableCell*> shown;
    for (const QList<TableCell*>& cells : m_cells) {
        for (TableCell* c : cells) {
            if (!c->isHidden())
                shown.append(c);
        }
    }
    return shown;
}

void TableView::setSearchPlaceholder(const QString& placeholder)
{
    m_search->setPlaceholderText(placeholder);
    m_search->setVisible(!placeholder.isEmpty());
}

void TableView::setSearchText(const QString& text)
{
    m_search->setText(text);
}

void TableView::setEmptyText(const QString& text)
{
    m_empty->setText(text);
    applySearch();
}

// The table reports what happens in a row with the row's place and identity.
void TableView::wire(TableCell* c, int section, int row)
{
    const int id = c->row().id;
    connect(c, &TableCell::tapped, this, [this, section, row, id] { Q_EMIT rowSelected(section, row, id); });
    connect(c, &TableCell::switchToggled, this, [this, id](bool on) { Q_EMIT switchToggled(id, on); });
    connect(c, &TableCell::textChanged, this, [this, id](const QString& t) { Q_EMIT textChanged(id, t); });
    connect(c, &TableCell::segmentChanged, this, [this, id](int index) { Q_EMIT segmentChanged(id, index); });
    connect(c, &TableCell::sliderChanged, this, [this, id](double v) { Q_EMIT sliderChanged(id, v); });
}

QWidget* TableView::makeSection(int sectionIndex)
{
    const Theme& theme = Theme::current();
    const TableSection& section = m_sections.at(sectionIndex);
    auto* box = new QWidget(m_content);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    if (!section.header.isEmpty()) {
        QLabel* header = makeLabel(section.header.toUpper(), Theme::headerFont(), theme.secondaryLabel, box);
        header->setObjectName(QStringLiteral("sectionHeader"));
        header->setContentsMargins(Theme::margin, 0, Theme::margin, 0);
        layout->addWidget(header);
    }
    auto* card = new GroupCard(box);
    auto* rows = new QVBoxLayout(card);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    QList<TableCell*> cells;
    for (int i = 0; i < section.rows.size(); ++i) {
        const TableRow& row = section.rows.at(i);
        auto* c = new TableCell(row, card);
        wire(c, sectionIndex, i);
        rows->addWidget(c);
        cells.append(c);
    }
    card->setVisible(!cells.isEmpty());
    layout->addWidget(card);
    if (!section.footer.isEmpty()) {
        QLabel* footer = makeLabel(section.footer, Theme::detailFont(), theme.secondaryLabel, box);
        footer->setObjectName(QStringLiteral("sectionFooter"));
        footer->setWordWrap(true);
        footer->setContentsMargins(Theme::margin, 0, Theme::margin, 0);
        layout->addWidget(footer);
    }
    m_cells.append(cells);
    return box;
}

void TableView::rebuild()
{
    qDeleteAll(m_sectionWidgets);
    m_sectionWidgets.clear();
    m_cells.clear();
    for (int s = 0; s < m_sections.size(); ++s) {
        QWidget* section = makeSection(s);
        m_sectionsBox->addWidget(section);
        m_sectionWidgets.append(section);
    }
    applySearch();
}

namespace {

// "Café" matches "cafe": searches ignore case and accents, as an administrator types them.
QString searchFolded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c.toCaseFolded());
    }
    return folded;
}

}  // namespace

void TableView::applySearch()
{
    const QString needle = searchFolded(m_search->isHidden() ? QString() : m_search->text().trimmed());
    int shown = 0;
    for (int s = 0; s < m_cells.size(); ++s) {
        TableCell* lastShown = nullptr;
        int shownHere = 0;
        for (TableCell* c : m_cells.at(s)) {
            const bool match = needle.isEmpty() || searchFolded(c->row().title).contains(needle)
                               || searchFolded(c->row().detail).contains(needle);
            c->setVisible(match);
            if (match) {
                c->setLast(false);
                lastShown = c;
                ++shownHere;
            }
        }
        if (lastShown)
            lastShown->setLast(true);
        // A section with rows that the search hid goes too; an empty section keeps its texts.
        m_sectionWidgets.at(s)->setVisible(shownHere > 0 || m_cells.at(s).isEmpty());
        shown += shownHere;
    }
    m_empty->setVisible(shown == 0 && !m_empty->text().isEmpty());
}

}  // namespace korvel
