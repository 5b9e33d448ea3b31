#pragma once

#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/TestHome.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QList>

namespace korvel::test {

// Records what imports and resets do to the upload server.
class FakeServer final : public UploadServerControl {
public:
    bool isServerRunning() const override { return running; }
    void stopServerConnection() override
    {
        running = false;
        ++stops;
    }
    bool startServerConnectionWith(int port) override
    {
        starts.append(port);
        running = true;
        return true;
    }

    bool running = false;
    int stops = 0;
    QList<int> starts;
};

class TransferTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        ImportExport::setServerControl(&server);
    }
    void TearDown() override
    {
        ImportExport::setServerControl(nullptr);
        TestHome::TearDown();
    }

    // A restart of the process, with the log opened again as the launch opens it.
    static void reopen()
    {
        restart();
        KVLogger::createDatabase_Tables();
    }
    // Writes `document` into Documents as an XML property list.
    void putDocument(const QString& name, const QVariantMap& document)
    {
        ASSERT_TRUE(placeDocument(name, PropertyList::toXml(document)));
    }
    static void setPassword(const char* text) { ASSERT_TRUE(PasswordStore::setPassword(QString::fromUtf8(text))); }
    // Whether `text` is the stored password (the store holds only its hash).
    static bool passwordIs(const char* text) { return PasswordStore::checkPassword(QString::fromUtf8(text)) == PasswordCheck::Matches; }
    static QStringList urls(const QList<allowedWebsite>& sites)
    {
        QStringList list;
        for (const allowedWebsite& site : sites)
            list << site.url;
        return list;
    }
    static QStringList urls(const QList<blockedWebsite>& sites)
    {
        QStringList list;
        for (const blockedWebsite& site : sites)
            list << site.url;
        return list;
    }
    // One allowed website, one category and one blocked website, saved, and a password.
    void storeSomeSettings()
    {
        KVSettings& s = settings();
        allowedWebsite site;
        site.url = QStringLiteral("http://kept.example");
        site.title = QStringLiteral("Kept");
        s.allowedWebsites = {site};
        allowedWebsiteCategory category;
        category.categoryId = 1;
        category.categoryTitle = QStringLiteral("News");
        s.allowedWebsitesCategories = {category};
        blockedWebsite blocked;
        blocked.url = QStringLiteral("http://blocked.example");
        s.blockedWebsites = {blocked};
        ASSERT_TRUE(s.save());
        setPassword("secret");
    }

    FakeServer server;
};

// Documents applied as the administrator at the device applies them, and as the managed file does.
inline const DocumentSource atTheDevice{DocumentSource::Kind::ScreenFile, QStringLiteral("test.plist")};
inline const DocumentSource managedFile{DocumentSource::Kind::Managed, QStringLiteral("managed.plist")};

inline QVariantMap site(const char* url, qint64 id = 0)
{
    return {{QStringLiteral("URL"), QString::fromUtf8(url)}, {QStringLiteral("AllowedWebsiteId"), id}};
}

}  // namespace korvel::test
