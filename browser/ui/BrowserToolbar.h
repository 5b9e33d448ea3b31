#pragma once

#include "browser/ToolbarItem.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QWidget>

class QToolButton;

namespace korvel {

// The bar of page actions at the bottom of a browser window. Items act as buttons; their images are
// the administrator's custom images when those load, else the built-in ones.
class BrowserToolbar final : public QWidget {
    Q_OBJECT
public:
    explicit BrowserToolbar(QWidget* parent = nullptr);

    // Shows the items of `layout`, replacing what was shown.
    void setItems(const QList<ToolbarItem>& items);
    void setItemEnabled(int tag, bool enabled);
    bool isItemEnabled(int tag) const;
    bool hasItem(int tag) const { return m_buttons.contains(tag); }
    QList<int> tags() const { return m_order; }
    // Presses an item as a touch would.
    void trigger(int tag);
    // The custom image's file when the setting names one that loads, else nothing.
    static QString imageFileFor(const ToolbarItem& item);
    // The picture drawn behind the items, stretched to the bar ("ToolbarImage", a file of
    // Documents); the plain bar when the setting names nothing that loads.
    void setBackgroundImage(const QString& setting);
    bool hasBackgroundImage() const { return !m_background.isNull(); }
    // The custom image when it loads, else the built-in one.
    static QIcon imageFor(const ToolbarItem& item);

protected:
    void paintEvent(QPaintEvent* event) override;

Q_SIGNALS:
    void triggered(int tag);

private:
    QHash<int, QToolButton*> m_buttons;
    QList<int> m_order;
    QImage m_background;
};

}  // namespace korvel
