#include "platform/ui/Screen.h"

namespace korvel {

Screen::Screen(QWidget* parent)
    : QWidget(parent)
{
    // A screen paints its own background so the one below never shows through during a slide.
    setAutoFillBackground(true);
}

Screen::~Screen() = default;

void Screen::setTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT titleChanged(m_title);
}

void Screen::setLeftBarButton(std::optional<BarButton> button)
{
    m_left = std::move(button);
    Q_EMIT barButtonsChanged();
}

void Screen::setRightBarButton(std::optional<BarButton> button)
{
    m_right = std::move(button);
    Q_EMIT barButtonsChanged();
}

void Screen::loadViewIfNeeded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    viewDidLoad();
}

}  // namespace korvel
