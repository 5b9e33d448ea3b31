#pragma once

#include "platform/ui/Screen.h"

#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;

namespace korvel {

class Alert;
class ActionSheet;
class EngineFetch;
class ReaderContentsPanel;
class ReaderDocument;
class ReaderPageView;
class ReaderSearchPanel;
struct ReaderLink;
class ReaderThumbnailStrip;

// The document reader: one page at a time, paged by swiping, a strip of page pictures below, the
// title and page number above; contents, search, download and share in its bars, which a tap on
// the page fades in and out. A file comes from the documents directory; a web document is
// fetched through the engine first, so the visit's cookies and authentication apply.
class KVReaderVC final : public Screen {
    Q_OBJECT
public:
    explicit KVReaderVC(QWidget* parent = nullptr);
    ~KVReaderVC() override;

    // Set before the reader is shown.
    QUrl pdfFileUrl() const { return m_pdfFileUrl; }
    void setPdfFileUrl(const QUrl& url) { m_pdfFileUrl = url; }

    // Where the reader stands once it was shown.
    enum class State { Idle, Fetching, Opening, Locked, Shown, Failed };
    State state() const { return m_state; }

    ReaderDocument* document() const { return m_document; }
    ReaderPageView* pageView() const { return m_pageView; }
    ReaderThumbnailStrip* thumbnailStrip() const { return m_strip; }
    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* pageLabel() const { return m_pageLabel; }
    QLabel* messageLabel() const { return m_message; }
    bool barsVisible() const { return m_barsVisible; }
    ReaderContentsPanel* contentsPanel() const { return m_contents; }
    ReaderSearchPanel* searchPanel() const { return m_search; }

    void downloadbarButtonAction();
    // The sheet it shows, nullptr when it shows none.
    ActionSheet* shareBarButtonAction();
    void toggleTableOfContentsView();
    void showSearchView();
    // The paper choices in a small panel under their button; a second tap closes it.
    void showAppearanceMenu();
    QWidget* appearancePanel() const { return m_appearance; }
    void back();
    void gestureRecognizedToggleVisibility();
    void goToPage(int page);

    // The reader set up for `url`, not shown yet.
    static KVReaderVC* getPDFViewerClassObject(const QUrl& url);

    void openLink(const ReaderLink& link);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

Q_SIGNALS:
    void stateChanged(KVReaderVC::State state);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open();
    void load(const QString& path, const QString& password);
    void askForPassword(const QString& path);
    void fail(const QString& reason);
    void showDocument();
    void pdfViewPageChanged(int page);
    void setState(State state);
    void layoutBars();
    void setDocumentTitle(const QString& title);
    void elideTitle();
    void fadeBar(QWidget* bar, bool visible);
    void print();
    void printNextPage();
    void endPrinting(bool done);
    void documentStatusChanged();
    QString documentName() const;

    QUrl m_pdfFileUrl;
    State m_state = State::Idle;
    ReaderDocument* m_document = nullptr;
    QString m_path;
    QString m_title;
    QString m_fetchedPath;  // a web document's private copy, removed with the reader
    QPointer<EngineFetch> m_fetch;
    ReaderPageView* m_pageView = nullptr;
    ReaderThumbnailStrip* m_strip = nullptr;
    QWidget* m_topBar = nullptr;
    QWidget* m_bottomBar = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_message = nullptr;
    QWidget* m_appearance = nullptr;
    QPushButton* m_appearanceButton = nullptr;
    QList<QPushButton*> m_documentButtons;
    ReaderContentsPanel* m_contents = nullptr;
    ReaderSearchPanel* m_search = nullptr;
    bool m_barsVisible = true;
    bool m_opened = false;
    bool m_barWasShown = false;
    // A print in progress: the pages go to the printer one by one as the helper draws them.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_printPainter;
    int m_printPage = -1;
    quint64 m_printTicket = 0;
};

}  // namespace korvel
