#include "browser/HomePageEntries.h"

#include "platform/FormatString.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace korvel {

namespace {

QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Where an icon comes from: "false" (none), a web address, a numbered local file, or the default.
class IconSources {
public:
    explicit IconSources(const HomePageEntries::Inputs& inputs, QStringList& custom)
        : m_inputs(inputs)
        , m_custom(custom)
    {
    }

    QString valueFor(const QString& iconURL, const QString& fallback)
    {
        if (iconURL.isEmpty())
            return QStringLiteral("false");
        if (iconURL.startsWith(QLatin1String("http")))
            return iconURL;
        const QString path = m_inputs.documentsDirectory + QLatin1Char('/') + WebsiteAddress::getURLString(QUrl(iconURL));
        if (!m_inputs.iconFileExists || !m_inputs.iconFileExists(path))
            return fallback;
        const QString value = formatString(QStringLiteral("%@qobrix%d"), path, m_next++);
        m_custom.append(value);
        return value;
    }

private:
    const HomePageEntries::Inputs& m_inputs;
    QStringList& m_custom;
    int m_next = 0;
};

}  // namespace

HomePageEntries HomePageEntries::loadVisibleWebSites(KVSettings& settings, const Inputs& inputs)
{
    HomePageEntries result;
    IconSources icons(inputs, result.customIconUrls);
    const KVBrowserPrefSettings& p = settings.kvBrowPref;
    const bool arranged = p.allowDragDrop || inputs.hasDragged;
    for (allowedWebsite& w : settings.allowedWebsites) {
        if (w.runAtStartup) {
            result.runAtStartup_bool = true;
            result.startupWebsite = w;
        }
        if (w.hideURL || w.categoryId != inputs.selectedCategoryId)
            continue;
        if (!arranged) {
            w.landscapeFrame = Frame{};
            w.portraitFrame = Frame{};
        }
        const std::optional<QUrl> url = w.parsedURL();
        const QUrl shown = url ? WebsiteAddress::appendDocDirectoryPathIfFileURL(*url) : QUrl();
        QVariantMap entry;
        entry.insert(QStringLiteral("url"), shown.toString(QUrl::FullyEncoded));
        entry.insert(QStringLiteral("title"), w.title);
        entry.insert(QStringLiteral("categoryId"), w.categoryId);
        entry.insert(QStringLiteral("runAtStartup"), flag(w.runAtStartup));
        entry.insert(QStringLiteral("errorPage"), flag(w.errorPage));
        entry.insert(QStringLiteral("allowSubDomain"), flag(w.allowSubDomain));
        entry.insert(QStringLiteral("allowOnlyThis"), flag(w.allowOnlyThis));
        entry.insert(QStringLiteral("hideURL"), flag(w.hideURL));
        entry.insert(QStringLiteral("useFavicon"), flag(w.useFavicon));
        entry.insert(QStringLiteral("protocol"), flag(w.protocol != WebsiteProtocol::Http));
        entry.insert(QStringLiteral("iconURL"), icons.valueFor(w.iconURL, QStringLiteral("korvelglobe.png")));
        entry.insert(QStringLiteral("allowDragDrop"), flag(p.allowDragDrop));
        entry.insert(QStringLiteral("serverSwitch"), flag(url && inputs.localServer && inputs.localServer->serves(*url)));
        entry.insert(QStringLiteral("is_category"), flag(false));
        entry.insert(QStringLiteral("category_id"), w.categoryId);
        result.allowedVisibleWebsites.append(entry);
    }
    if (inputs.selectedCategoryId != 0) {
        QVariantMap back;
        back.insert(QStringLiteral("is_category"), flag(false));
        back.insert(QStringLiteral("category_id"), 0);
        back.insert(QStringLiteral("title"), qtTrId("TEXT_BACK"));
        back.insert(QStringLiteral("iconURL"), QStringLiteral("blue_slim42x42-1.png"));
        back.insert(QStringLiteral("url"), backURL());
        result.allowedVisibleWebsites.append(back);
    } else {
        for (allowedWebsiteCategory& c : settings.allowedWebsitesCategories) {
            if (!arranged) {
                c.landscapeFrame = Frame{};
                c.portraitFrame = Frame{};
            }
            QVariantMap entry;
            entry.insert(QStringLiteral("title"), c.categoryTitle);
            entry.insert(QStringLiteral("categoryId"), c.categoryId);
            entry.insert(QStringLiteral("iconURL"), icons.valueFor(c.iconURL, QStringLiteral("categories.png")));
            entry.insert(QStringLiteral("is_category"), flag(true));
            entry.insert(QStringLiteral("category_id"), c.categoryId);
            result.allowedVisibleWebsites.append(entry);
        }
    }
    return result;
}

QByteArray HomePageEntries::base64JSON() const
{
    const QJsonDocument document(QJsonArray::fromVariantList(allowedVisibleWebsites));
    return document.toJson(QJsonDocument::Indented).toBase64();
}

QString HomePageEntries::addtextScript(const QByteArray& base64, bool dark)
{
    return formatString(QStringLiteral("addtext(\"%@\",\"%@\");"), QString::fromLatin1(base64), flag(dark));
}

QString HomePageEntries::iconPath(const QString& iconValue)
{
    const qsizetype marker = iconValue.lastIndexOf(QLatin1String("qobrix"));
    return marker < 0 ? iconValue : iconValue.left(marker);
}

QString HomePageEntries::customIconScript(const QString& iconValue, const QByteArray& png)
{
    // The same 76-column Base64 the page has always received; a data URL ignores the line breaks.
    const QByteArray encoded = png.toBase64();
    QByteArray wrapped;
    for (qsizetype i = 0; i < encoded.size(); i += 76) {
        if (i > 0)
            wrapped += "\r\n";
        wrapped += encoded.mid(i, 76);
    }
    const QString source = formatString(QStringLiteral("data:image/png;base64, %@"), QString::fromLatin1(wrapped));
    const auto quoted = [](const QString& text) {
        const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(json.mid(1, json.size() - 2));
    };
    // Every icon of that value: two websites may share one icon.
    return formatString(QStringLiteral("(function (id, src) { document.querySelectorAll('img').forEach(function (image) {"
                                       " if (image.id === id) image.setAttribute('src', src); }); })(%@, %@);"),
                        quoted(iconValue), quoted(source));
}

}  // namespace korvel
