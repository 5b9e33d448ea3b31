#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace korvel {

class KVFileDownloader;

// The running downloads, in a rounded panel at the bottom of the window: per download its name,
// its progress and a Cancel button. The rest of the window stays usable. Tapping the panel, when
// the history is kept, opens the download history.
class KVWaitingDownloadProgressView final : public QWidget {
    Q_OBJECT
public:
    // The one panel, over the key window; created on first use.
    static KVWaitingDownloadProgressView* sharedView();

    // Adds `downloader`'s row and shows the panel; the row follows its progress.
    void showWaitingAlertWithDownloadProgress(const QString& text, const QString& fileName, KVFileDownloader* downloader);
    // Removes `downloader`'s row; the panel goes with the last row.
    void dismissAlertWithDownloadProgress(KVFileDownloader* downloader);

    int rowCount() const { return int(m_rows.size()); }
    // The row's parts, for the screen's tests; nullptr when `downloader` has no row.
    QProgressBar* progressBar(KVFileDownloader* downloader) const;
    QPushButton* cancelButton(KVFileDownloader* downloader) const;

Q_SIGNALS:
    void historyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit KVWaitingDownloadProgressView(QWidget* window);
    void place();

    struct Row {
        QWidget* widget = nullptr;
        QLabel* status = nullptr;
        QProgressBar* bar = nullptr;
        QPushButton* cancel = nullptr;
    };
    QHash<KVFileDownloader*, Row> m_rows;
    QVBoxLayout* m_layout = nullptr;
};

}  // namespace korvel
