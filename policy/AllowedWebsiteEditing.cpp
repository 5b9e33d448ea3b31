#include "policy/AllowedWebsiteEditing.h"

#include "log/KVLog.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

const QString category = QStringLiteral("URL_action");

bool isWebProtocol(WebsiteProtocol protocol)
{
    return protocol == WebsiteProtocol::Http || protocol == WebsiteProtocol::Https;
}

}  // namespace

AllowedWebsiteInput AllowedWebsiteInput::fromRecord(const allowedWebsite& website)
{
    AllowedWebsiteInput input;
    const std::optional<QUrl> url = website.parsedURL();
    input.url = !isWebProtocol(website.protocol) && url ? WebsiteAddress::lastPathComponent(*url)
                                                        : WebsiteAddress::editableWebAddress(website.url);
    input.protocol = website.protocol;
    input.title = website.title;
    input.iconPath = WebsiteAddress::editableText(website.iconURL);
    input.categoryId = website.categoryId;
    input.runAtStartup = website.runAtStartup;
    input.hideURL = website.hideURL;
    input.allowSubDomain = website.allowSubDomain;
    input.allowOnlyThis = website.allowOnlyThis;
    input.useFavicon = website.useFavicon;
    input.errorPage = website.errorPage;
    return input;
}

EditOutcome AllowedWebsiteEditing::save(KVSettings& settings, const AllowedWebsiteInput& input,
                                        std::optional<qsizetype> index)
{
    QList<allowedWebsite>& sites = settings.allowedWebsites;
    const bool adding = !index.has_value();
    if (index && (*index < 0 || *index >= sites.size()))
        return EditOutcome::refused(formatString(QStringLiteral("There is no allowed website at index %ld."), qint64(*index)));

    const QString urlText = input.url.trimmed();
    const QString title = input.title.trimmed();
    const QString iconPath = input.iconPath.trimmed();
    if (urlText.isEmpty())
        return EditOutcome::refused(adding ? QStringLiteral("Cannot Add empty URL") : QStringLiteral("Cannot Update empty URL"));
    const std::optional<QUrl> url = WebsiteAddress::getURLFromString(urlText, input.protocol);
    if (!url)
        return EditOutcome::refused(QStringLiteral("Invalid URL!!"));
    QString iconURL(QLatin1String(""));
    if (!iconPath.isEmpty()) {
        iconURL = WebsiteAddress::percentEncoded(iconPath);
        if (!QUrl(iconURL, QUrl::StrictMode).isValid())
            return EditOutcome::refused(QStringLiteral("Invalid Icon path!!"));
    }

    allowedWebsite website = adding ? allowedWebsite{} : sites.at(*index);
    // Text left as the editor showed it keeps the stored address to the letter. Built again from
    // that text, an escape that typing cannot give ("%2F" beside "/") would change the address,
    // and an "Allow Only This URL" match with it.
    const AllowedWebsiteInput shown = adding ? AllowedWebsiteInput{} : AllowedWebsiteInput::fromRecord(website);
    if (adding || input.protocol != website.protocol || urlText != shown.url.trimmed())
        website.url = url->toString(QUrl::FullyEncoded);
    if (adding || iconPath != shown.iconPath.trimmed())
        website.iconURL = iconURL;
    website.protocol = input.protocol;
    website.title = title.isEmpty() ? WebsiteRules::defaultTitleForURL(*url, input.protocol) : title;
    website.allowSubDomain = input.allowSubDomain;
    website.allowOnlyThis = input.allowOnlyThis;
    website.hideURL = input.hideURL;

    // One start page and one error page at most: taking the role takes it from every other site.
    if (input.runAtStartup) {
        for (allowedWebsite& other : sites)
            other.runAtStartup = false;
    }
    if (input.errorPage) {
        for (allowedWebsite& other : sites)
            other.errorPage = false;
    }
    website.runAtStartup = input.runAtStartup;
    website.errorPage = input.errorPage;
    website.useFavicon = input.useFavicon;

    // A site placed in a folder is laid out afresh there; an existing one is marked for the home
    // screen to recompute its slot.
    if (input.categoryId != 0) {
        website.landscapeFrame = Frame{};
        website.portraitFrame = Frame{};
        if (!adding)
            website.isResetForFrame = true;
    } else {
        website.isResetForFrame = false;
    }
    website.categoryId = input.categoryId;

    qsizetype at = 0;
    if (adding) {
        website.allowedWebsiteId = sites.isEmpty() ? 0 : sites.last().allowedWebsiteId + 1;
        sites.append(website);
        at = sites.size() - 1;
        KVLog(category, QStringLiteral("URL_Added<%@>"), website.url);
    } else {
        at = *index;
        sites[at] = website;
        KVLog(category, QStringLiteral("URL_Updated<%@>"), website.url);
    }
    KVLog(category, QStringLiteral("Title: %@"), website.title);
    KVLog(category, QStringLiteral("Hide Icon: %hhd"), website.hideURL);
    KVLog(category, QStringLiteral("AllowOnlyThis: %hhd"), website.allowOnlyThis);
    KVLog(category, QStringLiteral("AllowSubDomain: %hhd"), website.allowSubDomain);
    KVLog(category, QStringLiteral("RunAtStartup: %hhd"), website.runAtStartup);
    KVLog(category, QStringLiteral("UseFavicon: %hhd"), website.useFavicon);
    KVLog(category, QStringLiteral("Icon URL: %@"), website.iconURL);
    KVLog(category, QStringLiteral("Custom Error page %hhd"), website.errorPage);
    return EditOutcome::saved(settings.save(), at);
}

EditOutcome AllowedWebsiteEditing::remove(KVSettings& settings, qsizetype index)
{
    if (index < 0 || index >= settings.allowedWebsites.size())
        return EditOutcome::refused(formatString(QStringLiteral("There is no allowed website at index %ld."), qint64(index)));
    const allowedWebsite removed = settings.allowedWebsites.takeAt(index);
    KVLog(category, QStringLiteral("URL_Deleted<%@>"), removed.url);
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
