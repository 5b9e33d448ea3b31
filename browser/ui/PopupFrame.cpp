#include "browser/ui/PopupFrame.h"

#include "platform/Paths.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace korvel {

namespace {

// The round close button: the built-in close-button.svg when it is there, else a drawn X on a
// white disc, so a missing image never leaves a pop-up that cannot be closed.
class CloseButton final : public QAbstractButton {
public:
    explicit CloseButton(QWidget* parent)
        : QAbstractButton(parent)
    {
        setObjectName(QStringLiteral("popupCloseButton"));
        //% "Close"
        setAccessibleName(qtTrId("TEXT_CLOSE"));
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        const QString file = Paths::resourceFile(QStringLiteral("images/close-button.svg"));
        if (QFile::exists(file))
            m_icon = QIcon(file);
    }

    QSize sizeHint() const override { return {PopupFrame::closeButtonSide, PopupFrame::closeButtonSide}; }

    // True when the image is drawn (not the fallback X).
    bool drawsImage() const { return !m_icon.isNull() && !m_icon.pixmap(size()).isNull(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF disc = QRectF(rect()).adjusted(2, 2, -2, -2);
        if (drawsImage()) {
            m_icon.paint(&painter, rect(), Qt::AlignCenter, isDown() ? QIcon::Active : QIcon::Normal);
            return;
        }
        painter.setPen(QPen(QColor(0, 0, 0, 140), 2));
        painter.setBrush(isDown() ? QColor(220, 220, 220) : Qt::white);
        painter.drawEllipse(disc);
        const qreal arm = disc.width() * 0.2;
        const QPointF c = disc.center();
        painter.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
        painter.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
    }

    // Only the disc is the button; the corners outside it belong to the layer under it.
    bool hitButton(const QPoint& pos) const override
    {
        const QPointF d = QPointF(pos) - QRectF(rect()).center();
        const qreal r = width() / 2.0;
        return d.x() * d.x() + d.y() * d.y() <= r * r;
    }

private:
    QIcon m_icon;
};

}  // namespace

PopupFrame::PopupFrame(QWebEngineView* view, QWidget* browserWindow)
    : QWidget(browserWindow)
    , m_view(view)
    , m_close(new CloseButton(this))
{
    setObjectName(QStringLiteral("popupFrame"));
    view->setParent(this);
    m_close->resize(closeButtonSide, closeButtonSide);
    connect(m_close, &QAbstractButton::clicked, this, &PopupFrame::closeRequested);
    auto* spinner = new QProgressBar(this);
    spinner->setObjectName(QStringLiteral("popupSpinner"));
    spinner->setRange(0, 0);
    spinner->setTextVisible(false);
    spinner->setFixedSize(120, 8);
    spinner->hide();
    m_spinner = spinner;
    if (QWebEnginePage* page = view->page()) {
        // The pop-up is shown once its first load is on its way.
        spinner->setVisible(page->isLoading());
        connect(page, &QWebEnginePage::loadingChanged, spinner, [this, page] {
            m_spinner->setVisible(page->isLoading());
            m_spinner->raise();
        });
    }
    browserWindow->installEventFilter(this);
    place();
    view->show();
    m_close->raise();
    show();
    raise();
}

PopupFrame::~PopupFrame()
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
}

bool PopupFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

void PopupFrame::place()
{
    setGeometry(parentWidget()->rect());
    const QRect popup = rect().adjusted(margin, margin, -margin, -margin);
    if (m_view)
        m_view->setGeometry(popup);
    // Centred on the pop-up's corner: half of it lies in the margin, so it never hides much of the page.
    m_close->move(popup.right() + 1 - closeButtonSide / 2, popup.top() - closeButtonSide / 2);
    m_spinner->move(popup.center() - QPoint(m_spinner->width() / 2, m_spinner->height() / 2));
}

void PopupFrame::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 128));
}

// Touches on the dimmed layer stop here: the page behind may not be used while the pop-up shows.
void PopupFrame::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void PopupFrame::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void PopupFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void PopupFrame::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void PopupFrame::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

}  // namespace korvel
