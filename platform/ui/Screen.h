#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace korvel {

class NavigationStack;

// A button of the navigation bar, shown while its screen is the top of the stack.
struct BarButton {
    QString text;
    std::function<void()> action;
    QIcon icon;
};

// One screen of the program. The stack that shows it calls the lifecycle functions: viewDidLoad
// once before the first appearance, then a will/did pair on every appearance and disappearance.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);
    ~Screen() override;

    QString title() const { return m_title; }
    void setTitle(const QString& title);

    // The stack the screen was pushed on; nullptr when it is not on one (or only presented).
    NavigationStack* navigationStack() const { return m_stack; }
    // The stack that presented the screen modally; nullptr when it is not presented.
    NavigationStack* presentingStack() const { return m_presenter; }

    // Items of the navigation bar; nullopt removes one. Without a left item a pushed screen gets
    // a back button.
    void setLeftBarButton(std::optional<BarButton> button);
    void setRightBarButton(std::optional<BarButton> button);
    const std::optional<BarButton>& leftBarButton() const { return m_left; }
    const std::optional<BarButton>& rightBarButton() const { return m_right; }

    bool isViewLoaded() const { return m_loaded; }
    // Runs viewDidLoad unless it already ran.
    void loadViewIfNeeded();

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) {}
    virtual void viewDidAppear(bool animated) {}
    virtual void viewWillDisappear(bool animated) {}
    virtual void viewDidDisappear(bool animated) {}

Q_SIGNALS:
    void titleChanged(const QString& title);
    void barButtonsChanged();

private:
    friend class NavigationStack;

    QString m_title;
    std::optional<BarButton> m_left;
    std::optional<BarButton> m_right;
    NavigationStack* m_stack = nullptr;
    NavigationStack* m_presenter = nullptr;
    bool m_loaded = false;
};

}  // namespace korvel
