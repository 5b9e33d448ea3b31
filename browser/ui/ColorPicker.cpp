#include "browser/ui/ColorPicker.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvel {

namespace {

// Touch targets of the design system: nothing smaller than 50 logical pixels.
constexpr int swatchSide = 56;
constexpr int columns = 8;

QPointer<ColorPicker>& shownPicker()
{
    static QPointer<ColorPicker> picker;
    return picker;
}

}  // namespace

const QList<QColor>& ColorPicker::swatchColors()
{
    // Bright, dark, then greys and pale tints: enough for a form's "pick a colour" without the
    // fiddly wheel and fields of a desktop colour dialog.
    static const QList<QColor> colors = [] {
        QList<QColor> list;
        for (const char* name : {"#ff0000", "#ff8000", "#ffd700", "#00b050", "#00b0f0", "#0050ff", "#7030a0", "#ff40c0",
                                 "#800000", "#804000", "#806000", "#005020", "#006080", "#002080", "#400060", "#800040",
                                 "#000000", "#404040", "#808080", "#c0c0c0", "#ffffff", "#ffc0c0", "#c0ffc0", "#c0e0ff"})
            list.append(QColor(QLatin1String(name)));
        return list;
    }();
    return colors;
}

ColorPicker::ColorPicker(const QColor& initial, Answer answer)
    : m_panel(new QFrame(this))
    , m_group(new QButtonGroup(this))
    , m_selected(initial)
    , m_answer(std::move(answer))
{
    setObjectName(QStringLiteral("colorPicker"));
    m_panel->setObjectName(QStringLiteral("colorPickerPanel"));
    m_panel->setStyleSheet(QStringLiteral("QFrame#colorPickerPanel { background-color: palette(window); border-radius: 12px; }"));

    //% "Choose a colour"
    auto* title = new QLabel(qtTrId("TEXT_CHOOSE_COLOUR"), m_panel);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    const QList<QColor>& colors = swatchColors();
    for (int i = 0; i < colors.size(); ++i) {
        const QColor color = colors.at(i);
        auto* swatch = new QPushButton(m_panel);
        swatch->setCheckable(true);
        swatch->setFixedSize(swatchSide, swatchSide);
        swatch->setAccessibleName(color.name());
        // A light ring inside a dark one shows the choice on every swatch, white and black included.
        swatch->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; border-radius: 8px; }"
                                             "QPushButton:checked { border: 4px solid #1e6fd9; }")
                                  .arg(color.name()));
        swatch->setChecked(color.rgb() == initial.rgb() && initial.isValid());
        m_group->addButton(swatch, i);
        grid->addWidget(swatch, i / columns, i % columns);
        m_swatches.append(swatch);
        connect(swatch, &QPushButton::clicked, this, [this, color] { m_selected = color; });
    }

    //% "Cancel"
    m_cancel = new QPushButton(qtTrId("TEXT_CANCEL"), m_panel);
    //% "Done"
    m_done = new QPushButton(qtTrId("TEXT_DONE"), m_panel);
    for (QPushButton* button : {m_cancel, m_done})
        button->setMinimumHeight(50);
    QFont cancelFont = m_cancel->font();
    cancelFont.setBold(true);
    m_cancel->setFont(cancelFont);
    connect(m_cancel, &QPushButton::clicked, this, [this] { finish(std::nullopt); });
    connect(m_done, &QPushButton::clicked, this, [this] { finish(m_selected); });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_done);

    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

ColorPicker::~ColorPicker()
{
    // Torn down with its window before an answer: the page is told "cancelled" rather than left waiting.
    if (m_answer) {
        Answer answer = std::move(m_answer);
        m_answer = nullptr;
        answer(std::nullopt);
    }
}

bool ColorPicker::showOver(QWidget* over)
{
    if (!cover(over))
        return false;
    shownPicker() = this;
    placePanel();
    m_done->setFocus(Qt::OtherFocusReason);
    return true;
}

void ColorPicker::cancel()
{
    finish(std::nullopt);
}

ColorPicker* ColorPicker::visiblePicker()
{
    return shownPicker().data();
}

void ColorPicker::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        finish(std::nullopt);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(m_selected);
        break;
    default:
        break;
    }
    event->accept();
}

void ColorPicker::resizeEvent(QResizeEvent* event)
{
    ModalOverlay::resizeEvent(event);
    placePanel();
}

void ColorPicker::finish(std::optional<QColor> color)
{
    if (!m_answer)
        return;
    Answer answer = std::move(m_answer);
    m_answer = nullptr;
    if (shownPicker() == this)
        shownPicker() = nullptr;
    // Answered while still covering the window: the engine sees the colour before the page gets
    // its focus back.
    answer(color);
    uncover();
    deleteLater();
}

void ColorPicker::placePanel()
{
    if (width() <= 0 || height() <= 0)
        return;
    const QSize wanted = m_panel->sizeHint();
    const int panelWidth = std::min(wanted.width(), width());
    const int panelHeight = std::min(wanted.height(), height());
    m_panel->setGeometry((width() - panelWidth) / 2, (height() - panelHeight) / 2, panelWidth, panelHeight);
}

}  // namespace korvel
