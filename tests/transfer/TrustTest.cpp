#include "platform/KeychainPasswords.h"
#include "platform/UserDefaults.h"
#include "tests/support/EventLoop.h"
#include "tests/support/ScopedHttpServer.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/DocumentSignature.h"
#include "transfer/KVAutoImport.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/SettingsDocument.h"
#include "transfer/ManagedConfiguration.h"
#include "transfer/SettingsHistory.h"
#include "transfer/StartSiteGuard.h"
#include "transfer/URLImport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <mutex>
#include <set>

namespace korvel::test {
namespace {

using namespace std::chrono_literals;

QVariantMap documentWith(const QString& url, const QVariantMap& preferences = {})
{
    QVariantMap document{{QStringLiteral("AllowedWebsites"),
                          QVariantList{QVariantMap{{QStringLiteral("URL"), url}, {QStringLiteral("Title"), QStringLiteral("Site")},
                                                   {QStringLiteral("RunAtStartup"), true}}}}};
    if (!preferences.isEmpty())
        document.insert(QStringLiteral("BrowserPreferences"), preferences);
    return document;
}

// Documents from every road into the kiosk, trusted keys in the test's folder, and one page
// server that plays the settings server, the cloud and the start websites.
class TrustTest : public TransferTest {
protected:
    void SetUp() override
    {
        TransferTest::SetUp();
        fleet = *DocumentSignature::generateKeyPair();
        nextFleet = *DocumentSignature::generateKeyPair();
        stranger = *DocumentSignature::generateKeyPair();
        http.Get("/settings.plist", [this](const httplib::Request&, httplib::Response& response) {
            std::lock_guard<std::mutex> lock(mutex);
            response.set_content(served, "application/xml");
        });
        http.Post("/getsettings.ashx", [this](const httplib::Request&, httplib::Response& response) {
            std::lock_guard<std::mutex> lock(mutex);
            const QByteArray form = KVCloudRequest::cloudTextForm(QByteArray::fromStdString(served));
            response.set_content("<Response><CloudID>ABCDEFGHIJ</CloudID><SettingsXML>" + form.toStdString() + "</SettingsXML></Response>",
                                 "text/xml");
        });
        http.Get(R"(/site/(\w+))", [this](const httplib::Request& request, httplib::Response& response) {
            std::lock_guard<std::mutex> lock(mutex);
            response.status = down.count(request.matches[1].str()) ? 503 : 200;
            response.set_content("<html><body>start</body></html>", "text/html");
        });
        ASSERT_TRUE(server.start());
        port = server.port();
    }
    void TearDown() override
    {
        KVAutoImport::getAutoImportObject().stop();
        ImportExport::setImportObserver({});
        server.stop();
        TransferTest::TearDown();
    }

    void trust(const char* name, const QByteArray& publicKey)
    {
        const QString folder = Paths::trustedKeysDirectory();
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString file = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".pub");
        ASSERT_TRUE(writeFile(file, DocumentSignature::publicKeyText(publicKey, QString::fromLatin1(name))));
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    }
    void serve(const QVariantMap& document)
    {
        std::lock_guard<std::mutex> lock(mutex);
        served = PropertyList::toXml(document).toStdString();
    }
    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path); }
    QString site(const char* name) const { return url(QStringLiteral("/site/") + QLatin1String(name)); }
    void setDown(const char* name, bool isDown)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (isDown)
            down.insert(name);
        else
            down.erase(name);
    }
    // Every file of the home, for "nothing changed".
    static QMap<QString, QByteArray> homeFiles()
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(Paths::home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.endsWith(QLatin1String(".db")) && !path.contains(QLatin1String(".db-")))
                files.insert(path, readFile(path));
        }
        return files;
    }
    // The managed configuration as device management writes it; `variant` trailing spaces make
    // another text of the same settings, since the same text is not looked at twice.
    static void writeManaged(const QVariantMap& document, int variant = 0, bool enforced = false)
    {
        const QString managed = Paths::managedConfigurationFile();
        QDir().mkpath(QFileInfo(managed).path());
        QVariantMap configuration{{QStringLiteral("SettingsXML"), QString::fromUtf8(PropertyList::toXml(document)) + QString(variant, QLatin1Char(' '))}};
        if (enforced)
            configuration.insert(QStringLiteral("Enforced"), true);
        ASSERT_TRUE(writeFile(managed, PropertyList::toXml(configuration)));
    }
    // The automatic import armed with a document whose start website is site("new"), after settings
    // whose start website is site("old"); `round` makes it another document each time.
    void armNewStartSite(int round)
    {
        ASSERT_TRUE(ImportExport::applySettingsDocument(documentWith(site("old")), atTheDevice, false));
        QVariantMap fresh = documentWith(site("new"));
        fresh.insert(QStringLiteral("BlockedWebsites"),
                     QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://%1.blocked.example").arg(round)}}});
        putDocument(QStringLiteral("auto.plist"), fresh);
        KVAutoImport::storeSection({true, 0, QStringLiteral("auto.plist"), QStringLiteral("10")});
        settings().kvAutoImport.oldXMLSettings.clear();
        ASSERT_TRUE(settings().save());
    }
    void tick()
    {
        bool ended = false;
        QObject ending;
        QObject::connect(&KVAutoImport::getAutoImportObject(), &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
        KVAutoImport::getAutoImportObject().autoImport();
        if (KVAutoImport::getAutoImportObject().isFetching()) {
            ASSERT_TRUE(processEventsUntil([&] { return ended; }));
        }
    }

    DocumentSignature::KeyPair fleet;
    DocumentSignature::KeyPair nextFleet;
    DocumentSignature::KeyPair stranger;
    std::mutex mutex;
    std::string served;
    std::set<std::string> down;
    test::ScopedHttpServer server;
    httplib::Server& http = server.http();
    int port = 0;
};

TEST_F(TrustTest, OnceKeysAreTrustedOnlyDocumentsSignedByOneComeInFromOutside)
{
    trust("fleet", fleet.publicKey);
    trust("fleet-next", nextFleet.publicKey);  // a rotation: both keys at once
    struct Road {
        const char* name;
        std::function<bool(const QVariantMap&)> apply;
    };
    int round = 0;
    const Road roads[] = {
        {"a file named in the command set",
         [&](const QVariantMap& document) {
             putDocument(QStringLiteral("command.plist"), document);
             return ImportExport::importFromFile(QStringLiteral("command.plist"), DocumentSource::Kind::Command).ok;
         }},
        {"a URL",
         [&](const QVariantMap& document) {
             serve(document);
             URLImport import;
             std::optional<bool> done;
             QObject::connect(&import, &URLImport::finished, [&](const TransferResult& r) { done = r.ok; });
             import.importfromURL(url(QStringLiteral("/settings.plist")));
             EXPECT_TRUE(processEventsUntil([&] { return done.has_value(); }));
             return done.value_or(false);
         }},
        {"the cloud",
         [&](const QVariantMap& document) {
             serve(document);
             KVCloudRequest request;
             request.setServiceAddress(QUrl(url(QString())));
             std::optional<bool> done;
             request.importCallback = [&](const QString&, bool success) { done = success; };
             request.importFromID(QStringLiteral("ABCDEFGHIJ"));
             EXPECT_TRUE(processEventsUntil([&] { return done.has_value(); }));
             return done.value_or(false);
         }},
        {"the automatic import",
         [&](const QVariantMap& document) {
             putDocument(QStringLiteral("auto.plist"), document);
             const QString before = settings().kvAutoImport.oldXMLSettings;
             tick();
             return settings().kvAutoImport.oldXMLSettings != before;
         }},
        {"the managed configuration",
         [&](const QVariantMap& document) {
             writeManaged(document, ++round);
             reopen();
             return ManagedConfiguration::defaultsChanged(UserDefaults::standard()).outcome == ManagedConfiguration::Outcome::Imported;
         }},
    };
    struct Signing {
        const char* name;
        std::function<QVariantMap(const QVariantMap&)> make;
        bool applies;
        const char* logged;  // in the refusal's log line
    };
    const Signing signings[] = {
        {"signed by a trusted key", [&](const QVariantMap& d) { return DocumentSignature::sign(d, fleet.secretKey); }, true, ""},
        {"signed by the second trusted key", [&](const QVariantMap& d) { return DocumentSignature::sign(d, nextFleet.secretKey); }, true, ""},
        {"not signed", [](const QVariantMap& d) { return d; }, false, "not signed"},
        {"changed after signing",
         [&](const QVariantMap& d) {
             QVariantMap changed = DocumentSignature::sign(d, fleet.secretKey);
             changed.insert(QStringLiteral("BlockedWebsites"), QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://x.example")}}});
             return changed;
         },
         false, "does not match"},
        {"signed by a key not trusted here", [&](const QVariantMap& d) { return DocumentSignature::sign(d, stranger.secretKey); }, false,
         "which this kiosk does not trust"},
    };
    for (const Road& road : roads) {
        for (const Signing& signing : signings) {
            SCOPED_TRACE(std::string(road.name) + ", " + signing.name);
            storeSomeSettings();
            KVAutoImport::storeSection({true, 0, QStringLiteral("auto.plist"), QStringLiteral("10")});
            const QString address = QStringLiteral("http://%1.example/%2").arg(++round).arg(QString::fromLatin1(signing.name).split(QLatin1Char(' ')).first());
            const QVariantMap document = signing.make(documentWith(address, {{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("taken"))}}));
            const QMap<QString, QByteArray> before = homeFiles();
            const qsizetype refusals = loggedEvents(QStringLiteral("Import")).filter(QStringLiteral("Settings refused from")).size();
            EXPECT_EQ(road.apply(document), signing.applies);
            reopen();
            if (signing.applies) {
                EXPECT_EQ(urls(settings().allowedWebsites), QStringList{address});
                EXPECT_TRUE(passwordIs("taken"));
                continue;
            }
            EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
            EXPECT_TRUE(passwordIs("secret"));
            // Not compared: the test's own input (the documents the roads put in place, the record of
            // where they came from, the managed file) and, for the managed road, the defaults that
            // remember the managed checksum even of a refused text.
            const QString folder = QFileInfo(Paths::defaultsFile()).absolutePath();
            QStringList inputs{Paths::managedConfigurationFile(), documents() + QStringLiteral("/command.plist"), documents() + QStringLiteral("/auto.plist"),
                               folder + QStringLiteral("/document-origins.plist"), folder + QStringLiteral("/document-origins.plist.lock")};
            if (QLatin1String(road.name) == QLatin1String("the managed configuration"))
                inputs << Paths::defaultsFile();
            QMap<QString, QByteArray> after = homeFiles();
            QMap<QString, QByteArray> expected = before;
            for (const QString& input : inputs) {
                after.remove(input);
                expected.remove(input);
            }
            EXPECT_EQ(after.keys(), expected.keys());
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                EXPECT_TRUE(after.value(it.key()) == it.value()) << qPrintable(it.key()) << " changed";
            const QStringList lines = loggedEvents(QStringLiteral("Import")).filter(QStringLiteral("Settings refused from"));
            ASSERT_EQ(lines.size(), refusals + 1);
            EXPECT_TRUE(lines.last().contains(QLatin1String(signing.logged))) << qPrintable(lines.last());
            EXPECT_TRUE(lines.last().contains(DocumentSignature::fingerprint(document))) << qPrintable(lines.last());
        }
    }
    // The administrator at the device is trusted without a signature.
    putDocument(QStringLiteral("screen.plist"), documentWith(QStringLiteral("http://screen.example")));
    EXPECT_TRUE(ImportExport::importFromFile(QStringLiteral("screen.plist")).ok);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://screen.example")});
}

TEST_F(TrustTest, ASignatureHoldsWhateverFormTheDocumentTravelsIn)
{
    trust("fleet", fleet.publicKey);
    const QVariantMap document = DocumentSignature::sign(
        documentWith(QStringLiteral("http://a.example/?x=1&y=2"), {{QStringLiteral("IdleTimeout"), qint64(45)}, {QStringLiteral("MakeToast"), true}}),
        fleet.secretKey);
    const QByteArray xml = PropertyList::toXml(document);
    const struct {
        const char* name;
        QByteArray bytes;
    } forms[] = {
        {"XML", xml},
        {"cloud text form", KVCloudRequest::cloudTextForm(xml)},
        {"Pellmor text form", "<![CDATA[\n" + xml + "]]>"},
        {"other white space", QByteArray(xml).replace("\n", "\r\n\t")},
    };
    for (const auto& form : forms) {
        const SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(form.bytes);
        ASSERT_TRUE(parsed.document) << form.name << ": " << qPrintable(parsed.error);
        const DocumentSignature::Check check = DocumentSignature::check(*parsed.document, DocumentSignature::trustedKeys());
        EXPECT_EQ(check.state, DocumentSignature::State::Valid) << form.name << ": " << qPrintable(check.text());
        EXPECT_EQ(DocumentSignature::fingerprint(*parsed.document), DocumentSignature::fingerprint(document)) << form.name;
    }

    // A folder others may write to, or a key file others may write to, trusts nothing: the
    // documents from outside are refused rather than let through.
    const QString folder = Paths::trustedKeysDirectory();
    const QString file = folder + QStringLiteral("/fleet.pub");
    const struct {
        const char* name;
        QFileDevice::Permissions folder;
        QFileDevice::Permissions file;
        bool required;
        qsizetype keys;
    } modes[] = {
        {"as it should be", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther, true, 1},
        {"a key file others may write", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::WriteOther, true, 0},
        {"a folder others may write", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::WriteGroup | QFileDevice::ExeGroup, QFileDevice::ReadOwner | QFileDevice::WriteOwner, true, 0},
    };
    for (const auto& mode : modes) {
        ASSERT_TRUE(QFile::setPermissions(folder, mode.folder));
        ASSERT_TRUE(QFile::setPermissions(file, mode.file));
        const DocumentSignature::TrustedKeys trusted = DocumentSignature::trustedKeys();
        EXPECT_EQ(trusted.required, mode.required) << mode.name;
        EXPECT_EQ(trusted.keys.size(), mode.keys) << mode.name;
        EXPECT_EQ(DocumentSignature::check(document, trusted).refused(), mode.keys == 0) << mode.name;
    }
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_FALSE(DocumentSignature::trustedKeys().required) << "an empty folder trusts no key and asks for none";
}

TEST_F(TrustTest, ThePasswordIsKeptAndTravelsAsAHashAndTheOldFormStillImports)
{
    // An older version's store: Base64 in the keychain, and again in the preferences.
    const QString old = KVHashString::stringToBase64(QStringLiteral("old-pass"));
    ASSERT_TRUE(KeychainPasswords::setPassword(old, QStringLiteral("Talvex"), QStringLiteral("password")));
    UserDefaults::standard().setObject(QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), old}});
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    EXPECT_TRUE(passwordIs("old-pass")) << "an unmigrated store still opens the settings";
    EXPECT_EQ(PasswordStore::migrate(), PasswordMigration::Migrated);
    EXPECT_EQ(PasswordStore::migrate(), PasswordMigration::Nothing);
    EXPECT_TRUE(passwordIs("old-pass"));
    EXPECT_FALSE(passwordIs("old-pas"));
    EXPECT_TRUE(KVHashString::isPasswordHash(PasswordStore::getPassword()));
    EXPECT_FALSE(readFile(Paths::keychainFile()).contains(old.toUtf8()));
    EXPECT_FALSE(readFile(Paths::defaultsFile()).contains(old.toUtf8()));

    // Exports carry the hash; the readable form only when the administrator's password is given.
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("hash.plist")).ok);
    const QVariantMap exported = PropertyList::readFile(documents() + QStringLiteral("/hash.plist")).value.toMap();
    const QVariantMap preferences = exported.value(QStringLiteral("BrowserPreferences")).toMap();
    EXPECT_FALSE(preferences.contains(QStringLiteral("Password")));
    EXPECT_TRUE(KVHashString::verifyPasswordHash(preferences.value(QStringLiteral("PasswordHash")).toString(), QStringLiteral("old-pass")));
    EXPECT_FALSE(ImportExport::exportToFile(QStringLiteral("clear.plist"), QStringLiteral("wrong")).ok);
    EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/clear.plist")));
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("clear.plist"), QStringLiteral("old-pass")).ok);
    const QVariantMap clear = PropertyList::readFile(documents() + QStringLiteral("/clear.plist")).value.toMap();
    EXPECT_EQ(clear.value(QStringLiteral("BrowserPreferences")).toMap().value(QStringLiteral("Password")), old);
    EXPECT_FALSE(clear.value(QStringLiteral("BrowserPreferences")).toMap().contains(QStringLiteral("PasswordHash")));

    // The kiosk's own cost, which the tests otherwise spare themselves.
    KVHashString::setPasswordCost(PasswordCost::Product);
    const QString productHash = KVHashString::passwordHash(QStringLiteral("old-pass"));
    KVHashString::setPasswordCost(PasswordCost::TestsOnly);
    EXPECT_TRUE(productHash.startsWith(QLatin1String("$argon2id$v=19$m=19456,t=2,p=1$"))) << qPrintable(productHash);
    EXPECT_TRUE(KVHashString::verifyPasswordHash(productHash, QStringLiteral("old-pass")));

    // Both forms import; the store keeps a hash either way.
    const QString otherHash = KVHashString::passwordHash(QStringLiteral("from-hash"));
    const struct {
        const char* name;
        QVariantMap preferences;
        const char* password;
    } imports[] = {
        {"the hash of another kiosk", {{QStringLiteral("PasswordHash"), otherHash}}, "from-hash"},
        {"the old Base64 form", {{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("from-base64"))}}, "from-base64"},
        {"both: the hash wins", {{QStringLiteral("PasswordHash"), otherHash}, {QStringLiteral("Password"), old}}, "from-hash"},
        {"none: the password stays", {{QStringLiteral("IdleTimeout"), qint64(30)}}, "from-hash"},
    };
    for (const auto& import : imports) {
        ASSERT_TRUE(ImportExport::applySettingsDocument(documentWith(QStringLiteral("http://a.example"), import.preferences), atTheDevice, false))
            << import.name;
        EXPECT_TRUE(passwordIs(import.password)) << import.name;
        EXPECT_TRUE(KVHashString::isPasswordHash(PasswordStore::getPassword())) << import.name;
    }
}

TEST_F(TrustTest, ADryRunPrintsEveryDifferenceAndChangesNothing)
{
    storeSomeSettings();
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/wall.png"), "old wallpaper"));
    QVariantMap document = documentWith(QStringLiteral("http://new.example"), {{QStringLiteral("IdleTimeout"), qint64(45)},
                                                                               {QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("other"))}});
    document.insert(QStringLiteral("BlockedWebsites"), QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://blocked.example")}},
                                                                   QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://ads.example")}}});
    document.insert(QStringLiteral("Files"), QVariantList{QVariantMap{{QStringLiteral("FileName"), QStringLiteral("wall.png")}, {QStringLiteral("FileData"), QStringLiteral("bmV3")}},
                                                          QVariantMap{{QStringLiteral("FileName"), QStringLiteral("icons/a.png")}, {QStringLiteral("FileData"), QStringLiteral("bmV3")}},
                                                          QVariantMap{{QStringLiteral("FileName"), QStringLiteral("../escape.png")}, {QStringLiteral("FileData"), QStringLiteral("bmV3")}}});
    const QMap<QString, QByteArray> before = homeFiles();
    const ImportPreview preview = ImportExport::preview(document, {DocumentSource::Kind::Command, QStringLiteral("new.plist")}, ImportExport::Mode::Merge);
    EXPECT_TRUE(homeFiles() == before);
    EXPECT_TRUE(preview.fit);
    EXPECT_FALSE(preview.refused);
    EXPECT_TRUE(preview.settingsDiffer);
    const QStringList expected{
        QStringLiteral("Website removed: http://kept.example"),
        QStringLiteral("Website added: http://new.example"),
        QStringLiteral("Category removed: News"),
        QStringLiteral("Blocked website added: http://ads.example"),
        QStringLiteral("File written: wall.png (replaces the file in Documents)"),
        QStringLiteral("File written: icons/a.png (new)"),
        QStringLiteral("Password changed: yes"),
    };
    for (const QString& line : expected)
        EXPECT_TRUE(preview.changes.contains(line)) << qPrintable(line) << "\n in:\n" << qPrintable(preview.changes.join('\n'));
    EXPECT_EQ(preview.changes.filter(QRegularExpression(QStringLiteral("^Preference IdleTimeout: \\d+ -> 45$"))).size(), 1);
    EXPECT_EQ(preview.changes.filter(QStringLiteral("escape.png")).size(), 1);
    EXPECT_TRUE(preview.changes.filter(QStringLiteral("escape.png")).value(0).startsWith(QLatin1String("File refused")));
    EXPECT_TRUE(preview.changes.filter(QStringLiteral("Blocked website removed")).isEmpty()) << "the one kept is no difference";

    // The settings in force previewed against themselves: nothing to say but the password.
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("same.plist")).ok);
    const QVariantMap same = PropertyList::readFile(documents() + QStringLiteral("/same.plist")).value.toMap();
    const ImportPreview none = ImportExport::preview(same, {DocumentSource::Kind::Command, QStringLiteral("same.plist")}, ImportExport::Mode::Merge,
                                                     false, FilesInDocument::Leave);
    EXPECT_FALSE(none.settingsDiffer) << qPrintable(none.changes.join('\n'));
    EXPECT_EQ(none.changes, QStringList{QStringLiteral("Password changed: no")});
}

TEST_F(TrustTest, TheHistoryKeepsTenAndARollbackWithdrawsTheDocumentsGivenUp)
{
    storeSomeSettings();
    for (int i = 1; i <= 12; ++i) {
        putDocument(QStringLiteral("auto.plist"), documentWith(QStringLiteral("http://%1.example").arg(i)));
        KVAutoImport::storeSection({true, 0, QStringLiteral("auto.plist"), QStringLiteral("10")});
        tick();
    }
    QList<SettingsHistoryEntry> entries = SettingsHistory::entries();
    ASSERT_EQ(entries.size(), SettingsHistory::kept);
    EXPECT_EQ(entries.first().source, QStringLiteral("automatic import (file auto.plist)"));
    for (const SettingsHistoryEntry& e : entries)
        EXPECT_EQ(QFileInfo(QStringLiteral("%1/%2.plist").arg(Paths::settingsHistoryDirectory()).arg(e.sequence, 6, 10, QLatin1Char('0'))).permissions()
                      & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                  QFileDevice::Permissions()) << "they hold the password's hash";

    const QString given = entries.first().document;
    ASSERT_TRUE(ImportExport::rollBack(entries.at(1).sequence, QStringLiteral("a test")));
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://11.example")});
    EXPECT_TRUE(SettingsHistory::withdrawnAt(given));
    EXPECT_TRUE(passwordIs("secret"));

    // Served again, the document given up stays out; a new one comes in and lifts nothing.
    putDocument(QStringLiteral("auto.plist"), documentWith(QStringLiteral("http://12.example")));
    settings().kvAutoImport.oldXMLSettings.clear();
    ASSERT_TRUE(settings().save());
    tick();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://11.example")});
    EXPECT_TRUE(loggedEvents(QStringLiteral("AutoImport")).last().startsWith(QLatin1String("Not Imported: a rollback withdrew this document")));
    putDocument(QStringLiteral("auto.plist"), documentWith(QStringLiteral("http://13.example")));
    tick();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://13.example")});

    // The administrator may still take it in by hand.
    putDocument(QStringLiteral("by-hand.plist"), documentWith(QStringLiteral("http://12.example")));
    EXPECT_TRUE(ImportExport::importFromFile(QStringLiteral("by-hand.plist")).ok);

    // Damaged withdrawals could hide a withdrawn document: nothing from outside comes in, each
    // attempt says why once, and the administrator at the device still can.
    const QString withdrawals = Paths::settingsHistoryDirectory() + QStringLiteral("/withdrawn.plist");
    int variant = 0;  // another managed text each time: the same one is not looked at twice
    for (const QByteArray& damage : {QByteArray(), QByteArray("<plist><array><string>x"),
                                      PropertyList::toXml(QVariantList{QVariantMap{{QStringLiteral("Document"), 1}}})}) {
        SCOPED_TRACE(damage.constData());
        ASSERT_TRUE(writeFile(withdrawals, damage));
        putDocument(QStringLiteral("auto.plist"), documentWith(QStringLiteral("http://14.example")));
        const int logged = loggedEvents(QStringLiteral("AutoImport")).size();
        tick();
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://12.example")});
        const QStringList said = loggedEvents(QStringLiteral("AutoImport")).mid(logged);
        EXPECT_EQ(said.filter(QStringLiteral("withdrawn.plist cannot be read")).size(), 1) << qPrintable(said.join('\n'));
        writeManaged(documentWith(QStringLiteral("http://15.example")), ++variant);
        reopen();
        const ManagedConfiguration::Check check = ManagedConfiguration::defaultsChanged(UserDefaults::standard());
        EXPECT_EQ(check.outcome, ManagedConfiguration::Outcome::Refused);
        EXPECT_TRUE(check.error.contains(QLatin1String("withdrawn.plist cannot be read"))) << qPrintable(check.error);
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://12.example")});
        EXPECT_TRUE(readFile(withdrawals) == damage) << "kept for repair, never rewritten as empty";
    }
    // A rollback still goes back, and leaves them for repair.
    const QByteArray damaged = readFile(withdrawals);
    ASSERT_TRUE(ImportExport::rollBack(SettingsHistory::entries().at(1).sequence, QStringLiteral("a test")));
    EXPECT_TRUE(readFile(withdrawals) == damaged);
    putDocument(QStringLiteral("by-hand.plist"), documentWith(QStringLiteral("http://16.example")));
    EXPECT_TRUE(ImportExport::importFromFile(QStringLiteral("by-hand.plist")).ok);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://16.example")});
}

TEST_F(TrustTest, AnEnforcedManagedDocumentWinsOverLocalChangesAtEveryStart)
{
    for (const bool enforced : {false, true}) {
        SCOPED_TRACE(enforced ? "enforced" : "not enforced");
        writeManaged(documentWith(QStringLiteral("http://managed.example")), enforced ? 1 : 0, enforced);
        reopen();
        ASSERT_EQ(ManagedConfiguration::defaultsChanged(UserDefaults::standard()).outcome, ManagedConfiguration::Outcome::Imported);

        settings().allowedWebsites.first().url = QStringLiteral("http://local-edit.example");
        ASSERT_TRUE(settings().save());
        EXPECT_EQ(ManagedConfiguration::defaultsChanged(UserDefaults::standard(), ManagedConfiguration::Occasion::Change).outcome,
                  ManagedConfiguration::Outcome::AlreadyImported);
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://local-edit.example")}) << "only a start enforces";
        reopen();
        ManagedConfiguration::defaultsChanged(UserDefaults::standard(), ManagedConfiguration::Occasion::Start);
        EXPECT_EQ(urls(settings().allowedWebsites),
                  QStringList{enforced ? QStringLiteral("http://managed.example") : QStringLiteral("http://local-edit.example")});
    }
    // In force already: a start writes nothing.
    reopen();
    const QMap<QString, QByteArray> before = homeFiles();
    ManagedConfiguration::defaultsChanged(UserDefaults::standard(), ManagedConfiguration::Occasion::Start);
    EXPECT_TRUE(homeFiles() == before);
}

// The start website of settings that came in automatically is watched on mock time against the
// page server; the document goes back only when its start website fails for ten minutes of
// network while the previous one loads.
TEST_F(TrustTest, SettingsWhoseStartWebsiteStopsLoadingGoBackByThemselves)
{
    const struct {
        const char* name;
        bool newDown;
        bool previousDown;
        bool networkUp;
        bool rolledBack;
    } cases[] = {
        {"the new start website loads", false, false, true, false},
        {"it fails while the previous one loads", true, false, true, true},
        {"both fail: the network beyond is at fault", true, true, true, false},
        {"it fails while the network is down", true, false, false, false},
    };
    int round = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool networkUp = c.networkUp;
        StartSiteGuard guard([&] { return networkUp; });
        ImportExport::setImportObserver([&](const AppliedImport& applied) { guard.importApplied(applied); });
        setDown("old", c.previousDown);
        setDown("new", c.newDown);
        // Another document each round: a rolled-back one is never applied again.
        armNewStartSite(++round);
        tick();
        ASSERT_EQ(urls(settings().allowedWebsites), QStringList{site("new")});
        EXPECT_TRUE(loggedEvents(QStringLiteral("Import")).last().startsWith(QLatin1String("Watching the start website")))
            << qPrintable(loggedEvents(QStringLiteral("Import")).last());
        int rollbacks = 0;
        QObject::connect(&guard, &StartSiteGuard::rolledBack, [&] { ++rollbacks; });
        // Each look is a real request: its answer is waited for before the next minute.
        ASSERT_TRUE(processEventsUntil([&] { return !guard.isLooking(); }));
        for (int minute = 0; minute < 12; ++minute) {
            clock.advance(1min);
            ASSERT_TRUE(processEventsUntil([&] { return !guard.isLooking(); }));
        }
        EXPECT_EQ(rollbacks, c.rolledBack ? 1 : 0);
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{site(c.rolledBack ? "old" : "new")});
        if (c.rolledBack) {
            EXPECT_TRUE(loggedEvents(QStringLiteral("Import")).filter(QStringLiteral("Settings rolled back")).size() > 0);
            // Fetched again, the same document is not applied again.
            settings().kvAutoImport.oldXMLSettings.clear();
            ASSERT_TRUE(settings().save());
            tick();
            EXPECT_EQ(urls(settings().allowedWebsites), QStringList{site("old")});
        }
        guard.stop();
        ImportExport::setImportObserver({});
    }
}

// A restart within the ten minutes (a broken document may well cause one) takes the watch up where
// it was; a watch the settings have moved on from is forgotten.
TEST_F(TrustTest, TheWatchOfTheStartWebsiteOutlivesARestart)
{
    enum class WhileDown { Nothing, ImportByHand, DamageTheFile };
    const struct {
        const char* name;
        WhileDown whileDown;
        std::chrono::seconds downFor;
        std::chrono::seconds rollBackAt;  // after the first failure; 0: none
    } cases[] = {
        {"the failures go on counting", WhileDown::Nothing, 30s, 10min},
        {"an hour off does not count", WhileDown::Nothing, 1h, 70min},
        {"the administrator imported since", WhileDown::ImportByHand, 30s, 0s},
        {"the watch's file is damaged", WhileDown::DamageTheFile, 30s, 0s},
    };
    const QString file = Paths::settingsHistoryDirectory() + QStringLiteral("/start-site-watch.plist");
    setDown("new", true);
    int round = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        armNewStartSite(++round);
        QDateTime firstFailure;
        {
            StartSiteGuard before([] { return true; });
            ImportExport::setImportObserver([&](const AppliedImport& applied) { before.importApplied(applied); });
            tick();
            KVAutoImport::getAutoImportObject().stop();
            ASSERT_TRUE(before.isWatching());
            firstFailure = clock.now();
            ASSERT_TRUE(processEventsUntil([&] { return !before.isLooking(); }));
            for (int minute = 0; minute < 4; ++minute) {
                clock.advance(1min);
                ASSERT_TRUE(processEventsUntil([&] { return !before.isLooking(); }));
            }
            ImportExport::setImportObserver({});
            EXPECT_EQ(QFileInfo(file).permissions() & ~(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser),
                      QFileDevice::Permissions());
        }  // killed: nothing ends the watch on its way out
        clock.advance(c.downFor);
        if (c.whileDown == WhileDown::ImportByHand) {
            putDocument(QStringLiteral("by-hand.plist"), documentWith(site("new")));
            ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("by-hand.plist")).ok);
        } else if (c.whileDown == WhileDown::DamageTheFile) {
            ASSERT_TRUE(writeFile(file, "<plist><dict><key>StartSite</key>"));
        }

        StartSiteGuard after([] { return true; });
        int rollbacks = 0;
        QObject::connect(&after, &StartSiteGuard::rolledBack, [&] { ++rollbacks; });
        after.resume();
        EXPECT_EQ(after.isWatching(), c.whileDown == WhileDown::Nothing);
        const QDateTime restarted = clock.now();
        ASSERT_TRUE(processEventsUntil([&] { return !after.isLooking(); }));
        while (rollbacks == 0 && restarted.secsTo(clock.now()) < 15 * 60) {
            clock.advance(30s);
            ASSERT_TRUE(processEventsUntil([&] { return !after.isLooking(); }));
        }
        const bool rolledBack = c.rollBackAt > 0s;
        EXPECT_EQ(rollbacks, rolledBack ? 1 : 0);
        if (rolledBack) {
            EXPECT_EQ(firstFailure.secsTo(clock.now()), c.rollBackAt.count()) << "counted from the first failure, across the restart";
        }
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{site(rolledBack ? "old" : "new")});
        EXPECT_FALSE(QFileInfo::exists(file)) << "a watch that ended leaves nothing to take up";
    }
}

// No file of the home, and no export made without asking for it, holds the password readable.
TEST_F(TrustTest, NoFileHoldsThePasswordReadable)
{
    const QString password = QStringLiteral("Tr0ub4dor&3");
    const QList<QByteArray> forms{password.toUtf8(), KVHashString::stringToBase64(password).toUtf8(),
                                  QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2)};
    // It arrives in the old form, as older kiosks export it, and is exported and rolled back.
    storeSomeSettings();
    ASSERT_TRUE(ImportExport::applySettingsDocument(
        documentWith(QStringLiteral("http://a.example"), {{QStringLiteral("Password"), KVHashString::stringToBase64(password)}}), atTheDevice, false));
    ASSERT_TRUE(PasswordStore::setPassword(password));
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("export.plist")).ok);
    ASSERT_TRUE(ImportExport::exportForPellmor().written);
    ASSERT_TRUE(ImportExport::rollBack(SettingsHistory::entries().last().sequence, QStringLiteral("a test")));
    QDirIterator it(Paths::home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray bytes = readFile(path);
        ++files;
        for (const QByteArray& form : forms)
            EXPECT_FALSE(bytes.contains(form)) << qPrintable(path);
    }
    EXPECT_GT(files, 5);
}

}  // namespace
}  // namespace korvel::test
