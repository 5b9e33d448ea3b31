#include "log/LogViewOptions.h"

namespace korvel {

bool LogViewOptions::isSelected(int index) const
{
    return index >= 0 && index < count && m_selected[size_t(index)];
}

void LogViewOptions::tap(int index)
{
    if (index < 0 || index >= count)
        return;
    if (index == oldestFirst || index == newestFirst) {
        m_selected[oldestFirst] = index == oldestFirst;
        m_selected[newestFirst] = index == newestFirst;
        return;
    }
    m_selected[size_t(index)] = !m_selected[size_t(index)];
}

LogQuery LogViewOptions::query() const
{
    LogQuery query;
    query.order = m_selected[oldestFirst] ? LogOrder::OldestFirst : LogOrder::NewestFirst;
    QStringList categories;
    const QStringList& all = LogQuery::viewerCategories();
    for (int index = 2; index < count; ++index) {
        if (m_selected[size_t(index)])
            categories << all.at(index - 2);
    }
    query.categories = categories;
    return query;
}

QString LogViewOptions::sectionHeader(int section)
{
    switch (section) {
    case 0:
        return QStringLiteral("Sort");
    case 1:
        return QStringLiteral("Warnings & Errors");
    case 2:
        return QStringLiteral("Process");
    default:
        return {};
    }
}

QString LogViewOptions::label(int index)
{
    static const QStringList labels{
        QStringLiteral("Recent at Bottom"), QStringLiteral("Recent at Top"), QStringLiteral("Warnings"),
        QStringLiteral("Errors"),           QStringLiteral("AutoImport"),    QStringLiteral("Database"),
        QStringLiteral("Export"),           QStringLiteral("Import"),        QStringLiteral("Settings"),
        QStringLiteral("Webview"),          QStringLiteral("URL Filter"),    QStringLiteral("App General"),
    };
    return labels.value(index);
}

int LogViewOptions::firstIndex(int section)
{
    int first = 0;
    for (int s = 0; s < section && s < int(sectionSizes.size()); ++s)
        first += sectionSizes[size_t(s)];
    return first;
}

}  // namespace korvel
