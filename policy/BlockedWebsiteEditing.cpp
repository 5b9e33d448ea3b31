#include "policy/BlockedWebsiteEditing.h"

#include "log/KVLog.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

const QString logCategory = QStringLiteral("Blocked_URL_action");

EditOutcome noSuchWebsite(qsizetype index)
{
    return EditOutcome::refused(formatString(QStringLiteral("There is no blocked website at index %ld."), qint64(index)));
}

}  // namespace

BlockedWebsiteInput BlockedWebsiteInput::fromRecord(const blockedWebsite& website)
{
    const std::optional<QUrl> url = website.parsedURL();
    const bool file = website.protocol == WebsiteProtocol::File;
    return BlockedWebsiteInput{file && url ? WebsiteAddress::lastPathComponent(*url) : WebsiteAddress::editableWebAddress(website.url),
                               website.protocol};
}

EditOutcome BlockedWebsiteEditing::save(KVSettings& settings, const BlockedWebsiteInput& input, std::optional<qsizetype> index)
{
    QList<blockedWebsite>& blocked = settings.blockedWebsites;
    const bool adding = !index.has_value();
    if (index && (*index < 0 || *index >= blocked.size()))
        return noSuchWebsite(*index);
    const QString text = input.url.trimmed();
    if (text.isEmpty())
        return EditOutcome::refused(adding ? QStringLiteral("Cannot Add empty URL") : QStringLiteral("Cannot Update empty URL"));
    const std::optional<WebsiteAddress::BlockedAddress> address = WebsiteAddress::getBlockedAddressFromString(text, input.protocol);
    if (!address)
        return EditOutcome::refused(QStringLiteral("Invalid URL!!"));

    // Text left as the editor showed it keeps the stored address to the letter.
    const bool kept = !adding && input.protocol == blocked.at(*index).protocol
                      && text == BlockedWebsiteInput::fromRecord(blocked.at(*index)).url.trimmed();
    const blockedWebsite website = blockedWebsite::initWithParams(kept ? blocked.at(*index).url : address->text, input.protocol,
                                                                  WebsiteRules::defaultTitleForURL(address->url, input.protocol));
    qsizetype at = 0;
    if (adding) {
        blocked.append(website);
        at = blocked.size() - 1;
        KVLog(logCategory, QStringLiteral("URL_Added<%@>"), website.url);
    } else {
        at = *index;
        blocked[at] = website;
        KVLog(logCategory, QStringLiteral("URL_Updated<%@>"), website.url);
    }
    return EditOutcome::saved(settings.save(), at);
}

EditOutcome BlockedWebsiteEditing::remove(KVSettings& settings, qsizetype index)
{
    if (index < 0 || index >= settings.blockedWebsites.size())
        return noSuchWebsite(index);
    const blockedWebsite removed = settings.blockedWebsites.takeAt(index);
    KVLog(logCategory, QStringLiteral("URL_Deleted<%@>"), removed.url);
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
