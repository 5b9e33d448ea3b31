#pragma once

#include "platform/ui/NavigationStack.h"
#include "policy/NavigationEffect.h"

#include <QPointer>
#include <QWidget>

namespace korvel {

// Which bars a page shows, by what it is.
enum class PageBars { HomePage, HomePageWithDownloads, File, Window };

// What a screen with a web view does for the effects that act on its page. A screen without a web
// view has none of these, and an effect that needs one is then a fault of the decision.
class EffectTarget {
public:
    virtual ~EffectTarget() = default;
    // Where toasts placed over the web view go.
    virtual QWidget* webViewWidget() = 0;
    virtual void goHome() = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void loadHTML(const QString& html, const QUrl& baseURL) = 0;
    virtual void loadErrorPage() = 0;
    virtual void stopLoading() = 0;
    virtual void evaluateScript(const QString& script) = 0;
    virtual void closeActiveWebView() = 0;
    virtual void retryFailedPage() = 0;
    virtual void popWindow(Animation animation) = 0;
    virtual void showBars(PageBars bars) = 0;
    virtual void resetIdleTimer() = 0;
    // The tabbed home page, or the selected category's websites; `transition` from the left first.
    virtual void loadVisibleWebSites(Animation transition) = 0;
    // Fetches `url` into the documents directory through the page's own profile.
    virtual void startDownload(const QUrl& url) = 0;
};

// Carries out a decision's effects on a screen, in their order. The one place where every kind of
// effect is performed: a kind that is added to the decisions does not compile until it is handled
// here.
class EffectPerformer {
public:
    // `target` is the screen's web view side; nullptr for a screen without one.
    EffectPerformer(QWidget* screen, EffectTarget* target);

    void perform(const NavigationEffects& effects);

    // The text said where a function of the kiosk is not part of this version.
    static QString notAvailableText();

private:
    void performOne(const NavigationEffect& effect, bool transitionFromLeft);
    void toast(const QString& text, NavigationEffect::Place place);
    void alert(const QString& title, const QString& text, int seconds);
    void launchApp(const QString& request);
    void openReader(const NavigationEffect& effect);
    void notAvailable(const NavigationEffect& effect);
    EffectTarget* target(const NavigationEffect& effect);

    QPointer<QWidget> m_screen;
    EffectTarget* m_target;
};

}  // namespace korvel
