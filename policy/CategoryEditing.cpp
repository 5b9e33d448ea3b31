#include "policy/CategoryEditing.h"

#include "log/KVLog.h"
#include "policy/WebsiteAddress.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QUrl>

namespace korvel {

namespace {

const QString logCategory = QStringLiteral("CATEGORY_action");
const QString duplicate = QStringLiteral("Category with same name is already exist.");

EditOutcome noSuchCategory(qsizetype index)
{
    return EditOutcome::refused(formatString(QStringLiteral("There is no category at index %ld."), qint64(index)));
}

}  // namespace

CategoryInput CategoryInput::fromRecord(const allowedWebsiteCategory& category)
{
    return CategoryInput{category.categoryTitle, WebsiteAddress::editableText(category.iconURL)};
}

EditOutcome CategoryEditing::save(KVSettings& settings, const CategoryInput& input, std::optional<qsizetype> index)
{
    QList<allowedWebsiteCategory>& categories = settings.allowedWebsitesCategories;
    const bool adding = !index.has_value();
    if (index && (*index < 0 || *index >= categories.size()))
        return noSuchCategory(*index);

    const QString title = WebsiteRules::capitalizeFirstLetterOfString(input.title.trimmed());
    if (!adding) {
        const qint64 ownId = categories.at(*index).categoryId;
        for (const allowedWebsiteCategory& other : categories) {
            if (other.categoryId != ownId && other.categoryTitle == title)
                return EditOutcome::refused(duplicate);
        }
    }
    if (title.isEmpty())
        return EditOutcome::refused(adding ? QStringLiteral("Cannot Add empty Name") : QStringLiteral("Cannot Update empty Name"));
    const QString iconPath = input.iconPath.trimmed();
    QString iconURL(QLatin1String(""));
    if (!iconPath.isEmpty()) {
        iconURL = WebsiteAddress::percentEncoded(iconPath);
        if (!QUrl(iconURL, QUrl::StrictMode).isValid())
            return EditOutcome::refused(QStringLiteral("Invalid Icon path!!"));
    }

    qsizetype at = 0;
    if (adding) {
        for (const allowedWebsiteCategory& other : categories) {
            if (other.categoryTitle.trimmed().compare(title, Qt::CaseInsensitive) == 0)
                return EditOutcome::refused(duplicate);
        }
        allowedWebsiteCategory category;
        category.categoryId = categories.isEmpty() ? 1 : categories.last().categoryId + 1;
        category.categoryTitle = title;
        category.iconURL = iconURL;
        categories.append(category);
        at = categories.size() - 1;
    } else {
        at = *index;
        categories[at].categoryTitle = title;
        // A path left as the editor showed it keeps the stored text to the letter.
        if (iconPath != CategoryInput::fromRecord(categories.at(at)).iconPath.trimmed())
            categories[at].iconURL = iconURL;
    }
    KVLog(logCategory, QStringLiteral("Title: %@"), title);
    KVLog(logCategory, QStringLiteral("Icon URL: %@"), categories.at(at).iconURL);
    return EditOutcome::saved(settings.save(), at);
}

EditOutcome CategoryEditing::remove(KVSettings& settings, qsizetype index)
{
    if (index < 0 || index >= settings.allowedWebsitesCategories.size())
        return noSuchCategory(index);
    const allowedWebsiteCategory removed = settings.allowedWebsitesCategories.takeAt(index);
    // Its websites would otherwise vanish from the home screen, and reappear inside whichever later
    // category is given the same id.
    for (allowedWebsite& website : settings.allowedWebsites) {
        if (website.categoryId == removed.categoryId) {
            website.categoryId = 0;
            website.isResetForFrame = false;
            website.landscapeFrame = Frame{};
            website.portraitFrame = Frame{};
        }
    }
    KVLog(logCategory, QStringLiteral("CATEGORY_Deleted<%@>"), removed.categoryTitle);
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
