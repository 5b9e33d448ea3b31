#pragma once

#include <QWebEngineView>

#include <functional>

namespace korvel {

// The web view of a browser window. Its context menu holds only cut, copy, paste and select-all,
// and only while copy and paste is allowed; nothing else of the engine's menu (inspect, save, open
// in a new window, view source) is ever offered.
class KVWebView final : public QWebEngineView {
    Q_OBJECT
public:
    explicit KVWebView(QWidget* parent = nullptr);

    void setCopyPasteAllowed(std::function<bool()> allowed) { m_copyPasteAllowed = std::move(allowed); }
    // The actions the context menu would offer now (tests read them).
    QList<QAction*> contextActions() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<bool()> m_copyPasteAllowed;
};

}  // namespace korvel
