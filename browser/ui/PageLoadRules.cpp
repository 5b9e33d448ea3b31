#include "browser/ui/PageLoadRules.h"

#include "browser/ui/UserAgentInterceptor.h"
#include "log/KVLog.h"
#include "settings/KVSettings.h"

#include <QCoreApplication>

namespace korvel {

namespace {

PageLoadRules*& instance()
{
    static PageLoadRules* rules = nullptr;
    return rules;
}

QString reasonText(const LoadDecision& d)
{
    switch (d.refusal) {
    case LoadRefusal::Blocked: return QStringLiteral("blocked website");
    case LoadRefusal::Keyword: return QStringLiteral("keyword ") + d.keyword;
    case LoadRefusal::Unlisted: return QStringLiteral("not allowed for loading");
    case LoadRefusal::None: break;
    }
    return QString();
}

}  // namespace

PageLoadRules::PageLoadRules(UserAgentInterceptor* interceptor)
    : m_interceptor(interceptor)
    , m_learning(LoadLearning::defaultPath())
{
    LoadGuard& guard = interceptor->loadGuard();
    guard.setLearning(&m_learning);
    // Called on the engine's threads: the log entry is written on the main thread.
    guard.setReporter([](const QUrl& page, const QUrl& url, LoadType type, const LoadDecision& d) {
        const QString host = url.host();
        const QString pageText = page.toString(QUrl::RemoveQuery | QUrl::RemoveFragment);
        const QString detail = loadTypeName(type) + QStringLiteral(", ") + reasonText(d);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [host, pageText, detail] { KVLog(QStringLiteral("URL_action"), QStringLiteral("Load_Blocked<%@> on %@ (%@)"), host, pageText, detail); },
            Qt::QueuedConnection);
    });
    connect(&m_save, &Timer::timeout, this, [this] { saveLearning(); });
    KVSettings::addStoredObserver([this](const KVSettings& settings) { stored(settings); });
    stored(KVSettings::getSettingsObject());
}

void PageLoadRules::install(UserAgentInterceptor* interceptor)
{
    if (!instance())
        instance() = new PageLoadRules(interceptor);
}

void PageLoadRules::stored(const KVSettings& settings)
{
    m_interceptor->loadGuard().setPolicy(SubresourcePolicy::build(settings));
    const bool on = settings.kvBrowPref.learnSubresources;
    if (on == m_learningOn)
        return;
    m_learningOn = on;
    if (on) {
        // What earlier learning saw stays: a new run adds to it.
        QString error;
        m_recordReadable = m_learning.reopen(LoadLearning::defaultPath(), &error);
        if (!m_recordReadable)
            KVLog(QStringLiteral("Error"), QStringLiteral("Learn mode keeps nothing: %@"), error);
        m_save.start(std::chrono::seconds(2));
    } else {
        m_save.stop();
        saveLearning();
    }
}

void PageLoadRules::refusedNavigation(const QUrl& page, const QUrl& refused, bool frame)
{
    PageLoadRules* rules = instance();
    if (!rules || !rules->m_learningOn)
        return;
    const std::shared_ptr<const SubresourcePolicy> policy = rules->m_interceptor->loadGuard().policy();
    const QString website = policy->websiteOf(page);
    rules->m_learning.recordRefusedNavigation(website, refused.toString(QUrl::FullyEncoded));
    const QString scheme = refused.scheme();
    if (frame && (scheme == QLatin1String("https") || scheme == QLatin1String("http")))
        rules->m_learning.record(website, refused.host(), LoadType::Frame);
}

bool PageLoadRules::saveLearning()
{
    PageLoadRules* rules = instance();
    // A damaged record is not overwritten with a part of what it held.
    if (!rules || !rules->m_recordReadable)
        return false;
    QString error;
    if (rules->m_learning.saveIfChanged(&error))
        return true;
    KVLog(QStringLiteral("Error"), QStringLiteral("Learn mode could not save: %@"), error);
    return false;
}

}  // namespace korvel
