// Saves the settings store, or imports settings documents, over and over until it is killed.
// Round k stamps every website, the idle timeout, the password and an embedded file with k, so a
// reader can tell a whole store from a torn one; after each round it prints "done k".
//   store_writer save|import HOME
#include "platform/Paths.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    using namespace korvel;
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const bool importing = std::strcmp(argv[1], "import") == 0;
    Paths::setHome(QString::fromLocal8Bit(argv[2]));
    KVSettings& settings = KVSettings::getSettingsObject();
    std::printf("ready\n");
    std::fflush(stdout);
    // Rounds go on from where a killed writer left the store, so a round is never written twice
    // with different contents.
    const qint64 first = settings.allowedWebsites.size() == 40 ? settings.kvBrowPref.idleTimeout + 1 : 1;
    for (qint64 k = first;; ++k) {
        QVariantList sites;
        for (int i = 0; i < 40; ++i)
            sites.append(QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://s%1-k%2.example").arg(i).arg(k)}});
        if (importing) {
            const QVariantMap document{
                {QStringLiteral("AllowedWebsites"), sites},
                {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("IdleTimeout"), k % 50000},
                                                                   {QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("pw%1").arg(k))}}},
                {QStringLiteral("Files"), QVariantList{QVariantMap{{QStringLiteral("FileName"), QStringLiteral("stamp.txt")},
                                                                   {QStringLiteral("FileData"), QString::fromLatin1(QByteArray::number(k).toBase64())}}}}};
            if (!ImportExport::applySettingsDocument(document, false))
                return 1;
        } else {
            settings.allowedWebsites = KVSettings::buildAWABrrayFromDictArray(sites);
            settings.kvBrowPref.idleTimeout = qint32(k % 50000);
            if (!settings.save())
                return 1;
        }
        std::printf("done %lld\n", static_cast<long long>(k));
        std::fflush(stdout);
    }
}
