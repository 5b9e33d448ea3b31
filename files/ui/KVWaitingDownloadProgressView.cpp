#include "files/ui/KVWaitingDownloadProgressView.h"

#include "files/DownloadFiles.h"
#include "files/ui/KVDownloadHistoryViewController.h"
#include "files/ui/KVFileDownloader.h"
#include "platform/ui/KeyWindow.h"
#include "platform/ui/Theme.h"
#include "settings/KVSettings.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr int kCornerRadius = 5;
constexpr int kWidest = 560;
// Above a bottom toolbar, so that Home and the other page actions stay in reach.
constexpr int kBottomGap = Theme::toolbarHeight + Theme::margin;

QPointer<KVWaitingDownloadProgressView> shared;

}  // namespace

KVWaitingDownloadProgressView* KVWaitingDownloadProgressView::sharedView()
{
    QWidget* window = keyWindow();
    if (shared && shared->parentWidget() != window && window) {
        // The key window changed (a new main window); the rows move with the panel.
        shared->setParent(window);
        window->installEventFilter(shared);
    }
    if (!shared)
        shared = new KVWaitingDownloadProgressView(window);
    return shared;
}

KVWaitingDownloadProgressView::KVWaitingDownloadProgressView(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("downloadProgressPanel"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(Theme::margin, Theme::spacing, Theme::margin, Theme::spacing);
    m_layout->setSpacing(Theme::spacing);
    if (window)
        window->installEventFilter(this);
    hide();
}

void KVWaitingDownloadProgressView::showWaitingAlertWithDownloadProgress(const QString& text, const QString& fileName,
                                                                         KVFileDownloader* downloader)
{
    if (m_rows.contains(downloader))
        return;
    const Theme& theme = Theme::current();
    Row row;
    row.widget = new QWidget(this);
    auto* line = new QHBoxLayout(row.widget);
    line->setContentsMargins(0, 0, 0, 0);
    auto* texts = new QVBoxLayout;
    auto* name = new QLabel(fileName, row.widget);
    name->setFont(Theme::bodyFont());
    name->setTextFormat(Qt::PlainText);
    name->setMinimumWidth(0);
    name->setText(name->fontMetrics().elidedText(fileName, Qt::ElideMiddle, kWidest - 3 * Theme::margin - 120));
    row.status = new QLabel(text, row.widget);
    row.status->setFont(Theme::detailFont());
    row.status->setStyleSheet(QStringLiteral("color: %1;").arg(theme.secondaryLabel.name()));
    row.bar = new QProgressBar(row.widget);
    row.bar->setRange(0, 0);  // busy until the size is known
    row.bar->setTextVisible(false);
    row.bar->setFixedHeight(6);
    texts->addWidget(name);
    texts->addWidget(row.bar);
    texts->addWidget(row.status);
    line->addLayout(texts, 1);
    //% "Cancel"
    row.cancel = new QPushButton(qtTrId("TEXT_CANCEL"), row.widget);
    row.cancel->setObjectName(QStringLiteral("cancelDownload"));
    row.cancel->setMinimumSize(Theme::touchTarget + 40, Theme::touchTarget);
    row.cancel->setFocusPolicy(Qt::NoFocus);
    line->addWidget(row.cancel);
    m_layout->addWidget(row.widget);
    m_rows.insert(downloader, row);

    QPointer<KVFileDownloader> guarded(downloader);
    connect(row.cancel, &QPushButton::clicked, this, [guarded] {
        if (guarded)
            guarded->cancel();
    });
    connect(downloader, &KVFileDownloader::progressChanged, row.widget, [bar = row.bar, status = row.status, text](qint64 received, qint64 total) {
        if (total > 0) {
            bar->setRange(0, 1000);
            bar->setValue(int(std::min<qint64>(1000, received * 1000 / total)));
            //% "%1 of %2"
            status->setText(qtTrId("TEXT_DOWNLOAD_PROGRESS").arg(DownloadFiles::byteCountText(received), DownloadFiles::byteCountText(total)));
        } else {
            status->setText(QStringLiteral("%1 · %2").arg(text, DownloadFiles::byteCountText(received)));
        }
    });
    connect(downloader, &QObject::destroyed, this, [this, downloader] { dismissAlertWithDownloadProgress(downloader); });
    place();
    show();
    raise();
}

void KVWaitingDownloadProgressView::dismissAlertWithDownloadProgress(KVFileDownloader* downloader)
{
    const auto it = m_rows.find(downloader);
    if (it == m_rows.end())
        return;
    it->widget->deleteLater();
    m_layout->removeWidget(it->widget);
    m_rows.erase(it);
    if (m_rows.isEmpty())
        hide();
    else
        place();
}

QProgressBar* KVWaitingDownloadProgressView::progressBar(KVFileDownloader* downloader) const
{
    return m_rows.value(downloader).bar;
}

QPushButton* KVWaitingDownloadProgressView::cancelButton(KVFileDownloader* downloader) const
{
    return m_rows.value(downloader).cancel;
}

void KVWaitingDownloadProgressView::place()
{
    QWidget* window = parentWidget();
    if (!window)
        return;
    const int width = std::min(kWidest, window->width() - 2 * Theme::margin);
    const int height = m_layout->sizeHint().height();
    setGeometry((window->width() - width) / 2, std::max(0, window->height() - kBottomGap - height), width, height);
    raise();
}

bool KVWaitingDownloadProgressView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded) && isVisible())
        place();
    return QWidget::eventFilter(watched, event);
}

void KVWaitingDownloadProgressView::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()) && KVSettings::getSettingsObject().kvBrowPref.isAllowKeepDownloadHistory) {
        Q_EMIT historyRequested();
        KVDownloadHistoryViewController::showOnMainStack();
    }
}

void KVWaitingDownloadProgressView::paintEvent(QPaintEvent*)
{
    const Theme& theme = Theme::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(path, theme.cell);
    painter.setPen(theme.separator);
    painter.drawPath(path);
}

}  // namespace korvel
