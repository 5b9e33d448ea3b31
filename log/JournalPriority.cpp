#include "log/JournalPriority.h"

#include <QLatin1String>

namespace korvel::JournalPriority {

namespace {

bool containsAny(const QString& text, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isOneOf(const QString& category, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (category == QLatin1String(name))
            return true;
    }
    return false;
}

// Step-by-step lines of the navigation decision and of the external-address lookup, and the
// import's inner bookkeeping: each repeats what the entry that follows it says plainly.
bool isTracing(const QString& category, const QString& message)
{
    if (isOneOf(category, {"debug", "Import-Export Data"}))
        return true;
    for (const char* prefix : {"External URL Scheme:", "External URL Without Scheme:", "Allowed Website URL",
                               "External URL is file path URL.", "Allowed website not found for External URL."}) {
        if (message.startsWith(QLatin1String(prefix)))
            return true;
    }
    // The domain parts of the lookup: "External URL RootDomain:..." and the like.
    return containsAny(message, {" RootDomain:", " TopLevelDomain:", " SecondLevelDomain:", " SubDomain:"});
}

}  // namespace

std::optional<int> of(const QString& category, const QString& message)
{
    if (isTracing(category, message))
        return std::nullopt;
    if (category == QLatin1String("Error")
        || containsAny(message, {"failed", "failure", "could not", "cannot", "not imported", "not turned", "Error:", "successfullly No"}))
        return error;
    if (isOneOf(category, {"Warning", "Keyword Block"})
        || message.startsWith(QLatin1String("Blocked: "))
        || containsAny(message, {"refused", "URL_Blocked<", "not Allowed", "Wrong access code", "Access code missing", "Not handed to",
                                 "Not available in this version", "Window restored", "suppressed"}))
        return refusal;
    if (isOneOf(category, {"Settings", "URL_action", "CATEGORY_action", "Blocked_URL_action", "Import", "Export", "AutoImport",
                           "Autoimport", "Database"})
        || message.startsWith(QLatin1String("Start: "))
        || containsAny(message, {"Korvel Started", "Display turned", "Server Switched", "Server Switchd", "cleared", "Cache cleaned",
                                 "deleted successfully"}))
        return action;
    return information;
}

}  // namespace korvel::JournalPriority
