#include "platform/ui/WaitingAlertView.h"

#include "platform/ui/Alert.h"
#include "platform/ui/Theme.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

constexpr int steps = 1000;

}  // namespace

WaitingAlertView::WaitingAlertView(QWidget* parent)
    : ModalOverlay(parent)
    , m_panel(new QFrame(this))
    , m_label(new QLabel(m_panel))
    , m_bar(new QProgressBar(m_panel))
{
    setObjectName(QStringLiteral("waitingAlert"));
    m_panel->setObjectName(QStringLiteral("waitingPanel"));
    m_panel->setStyleSheet(QStringLiteral("QFrame#waitingPanel { background-color: %1; border-radius: 14px; }"
                                          "QFrame#waitingPanel QLabel { color: %2; }")
                               .arg(Theme::current().cell.name(), Theme::current().label.name()));
    m_label->setFont(Theme::bodyFont());
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 0);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
}

bool WaitingAlertView::showOver(QWidget* over, const QString& text)
{
    setText(text);
    if (m_showing)
        return true;
    if (!cover(over))
        return false;
    m_showing = true;
    m_progress.reset();
    m_bar->setRange(0, 0);
    // An alert raised while waiting (a failure, say) must stay readable above the overlay.
    if (Alert* alert = Alert::visibleAlert(); alert && alert->parentWidget() == parentWidget())
        stackUnder(alert);
    setFocus(Qt::OtherFocusReason);
    placePanel();
    return true;
}

void WaitingAlertView::dismiss()
{
    if (!m_showing)
        return;
    m_showing = false;
    uncover();
}

QString WaitingAlertView::text() const
{
    return m_label->text();
}

void WaitingAlertView::setText(const QString& text)
{
    m_label->setText(text);
    placePanel();
}

void WaitingAlertView::setProgress(double progress)
{
    // NaN counts as no progress yet, not as a full bar.
    const double clamped = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    m_progress = clamped;
    m_bar->setRange(0, steps);
    m_bar->setValue(int(std::lround(clamped * steps)));
}

void WaitingAlertView::resizeEvent(QResizeEvent* event)
{
    ModalOverlay::resizeEvent(event);
    placePanel();
}

void WaitingAlertView::placePanel()
{
    if (width() <= 0 || height() <= 0)
        return;
    const int panelWidth = std::max(0, std::min(320, width() - 40));
    QLayout* layout = m_panel->layout();
    layout->activate();
    const int panelHeight = std::min(height() - 40,
        layout->hasHeightForWidth() ? layout->totalHeightForWidth(panelWidth) : layout->totalSizeHint().height());
    m_panel->setGeometry((width() - panelWidth) / 2, (height() - panelHeight) / 2, panelWidth, std::max(0, panelHeight));
}

}  // namespace korvel
