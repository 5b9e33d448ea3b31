#include "browser/TabRules.h"

#include "platform/FormatString.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

int TabRules::normalizedCountOfTabs(int stored)
{
    return stored < 1 || stored > 8 ? 8 : stored;
}

std::optional<QString> TabRules::limitToast(int open, int countOfTabs)
{
    if (open < countOfTabs)
        return std::nullopt;
    return formatString(QStringLiteral("You cannot open more than %d tab(s)"), countOfTabs);
}

TabLabel TabRules::labelFor(const QUrl& url)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    if (address.isEmpty() || address.contains(QLatin1String("about:")))
        return {};
    if (address.endsWith(QLatin1String("homeWebPage.html")))
        return {TabLabel::Kind::Home, {}, {}};
    if (address.endsWith(QLatin1String("korvel_error.html")))
        return {TabLabel::Kind::Error, {}, {}};
    if (url.isLocalFile())
        return {TabLabel::Kind::File, url.fileName(), {}};
    if (url.host().isEmpty())
        return {};
    return {TabLabel::Kind::Website, url.host(), url.scheme() + QLatin1String("://") + url.host()};
}

namespace {
bool tabsLeftForSettings = false;
}  // namespace

bool TabRules::leftForSettings()
{
    return tabsLeftForSettings;
}

void TabRules::setLeftForSettings(bool left)
{
    tabsLeftForSettings = left;
}

int TabRules::insert(int index)
{
    for (TabEntry& entry : m_tabs)
        entry.selected = false;
    m_tabs.insert(index, TabEntry{m_nextId++, int(m_tabs.size()), true});
    m_selected = index;
    return index;
}

int TabRules::indexOfId(int id) const
{
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (m_tabs.at(i).id == id)
            return i;
    }
    return -1;
}

int TabRules::firstOne()
{
    return insert(int(m_tabs.size()));
}

TabRules::Opening TabRules::add(int countOfTabs)
{
    m_autoDelete = false;
    if (std::optional<QString> refusal = limitToast(count(), countOfTabs))
        return {std::nullopt, refusal};
    const int index = insert(int(m_tabs.size()));
    m_autoDelete = count() > 1;
    return {index, std::nullopt};
}

TabRules::Opening TabRules::openPageWindow(int countOfTabs)
{
    m_autoDelete = true;
    if (std::optional<QString> refusal = limitToast(count(), countOfTabs))
        return {std::nullopt, refusal};
    const int index = insert(m_tabs.isEmpty() ? 0 : m_selected + 1);
    m_rememberedId = m_tabs.at(index).id;
    return {index, std::nullopt};
}

std::optional<int> TabRules::close(int index)
{
    if (index < 0 || index >= count() || count() < 2)
        return std::nullopt;
    if (m_rememberedId && *m_rememberedId == m_tabs.at(index).id) {
        m_autoDelete = false;
        m_rememberedId.reset();
    }
    m_tabs.removeAt(index);
    const int next = index > 0 ? index - 1 : 0;
    select(next);
    return next;
}

std::optional<int> TabRules::selectedindexpath1() const
{
    if (!m_rememberedId)
        return std::nullopt;
    const int index = indexOfId(*m_rememberedId);
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

std::optional<int> TabRules::autoCloseTarget() const
{
    if (!m_autoDelete || count() < 2)
        return std::nullopt;
    return selectedindexpath1();
}

bool TabRules::select(int index)
{
    if (index < 0 || index >= count())
        return false;
    const bool changed = index != m_selected || !m_tabs.at(index).selected;
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs[i].selected = i == index;
    m_selected = index;
    return changed;
}

}  // namespace korvel
