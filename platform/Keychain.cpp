#include "platform/Keychain.h"

#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QFile>
#include <QFileInfo>
#include <QVariantList>
#include <QVariantMap>

namespace korvel {

namespace {

const QString serviceKey = QStringLiteral("svce");
const QString accountKey = QStringLiteral("acct");
const QString dataKey = QStringLiteral("v_Data");

struct Items {
    int status = KeychainStatus::success;
    QVariantList list;
};

Items readItems(const QString& file)
{
    Items items;
    if (!QFileInfo::exists(file))
        return items;
    const PropertyListParse parsed = PropertyList::readFile(file);
    if (!parsed.ok() || parsed.value.metaType().id() != QMetaType::QVariantList) {
        items.status = KeychainStatus::decodeError;
        return items;
    }
    items.list = parsed.value.toList();
    return items;
}

qsizetype indexOf(const QVariantList& list, const QString& service, const QString& account)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QVariantMap item = list.at(i).toMap();
        if (item.value(serviceKey).toString() == service && item.value(accountKey).toString() == account)
            return i;
    }
    return -1;
}

QVariantList withItem(QVariantList list, const QString& service, const QString& account, const QByteArray& data)
{
    const qsizetype index = indexOf(list, service, account);
    if (index < 0) {
        list.append(QVariantMap{{serviceKey, service}, {accountKey, account}, {dataKey, data}});
        return list;
    }
    QVariantMap item = list.at(index).toMap();
    item.insert(dataKey, data);
    list[index] = item;
    return list;
}

int writeItems(const QString& file, const QVariantList& list)
{
    return PropertyList::writeFile(file, list, nullptr, FileAccess::OwnerOnly) ? KeychainStatus::success
                                                                              : KeychainStatus::ioError;
}

}  // namespace

Keychain::Keychain(QString file)
    : m_file(std::move(file))
{
}

Keychain Keychain::standard()
{
    return Keychain(Paths::keychainFile());
}

int Keychain::copyMatching(const QString& service, const QString& account, QByteArray* data) const
{
    const Items items = readItems(m_file);
    if (items.status != KeychainStatus::success)
        return items.status;
    const qsizetype index = indexOf(items.list, service, account);
    if (index < 0)
        return KeychainStatus::itemNotFound;
    if (data)
        *data = items.list.at(index).toMap().value(dataKey).toByteArray();
    return KeychainStatus::success;
}

int Keychain::add(const QString& service, const QString& account, const QByteArray& data)
{
    Items items = readItems(m_file);
    if (items.status != KeychainStatus::success)
        return items.status;
    if (indexOf(items.list, service, account) >= 0)
        return KeychainStatus::duplicateItem;
    items.list.append(QVariantMap{{serviceKey, service}, {accountKey, account}, {dataKey, data}});
    return writeItems(m_file, items.list);
}

int Keychain::update(const QString& service, const QString& account, const QByteArray& data)
{
    Items items = readItems(m_file);
    if (items.status != KeychainStatus::success)
        return items.status;
    const qsizetype index = indexOf(items.list, service, account);
    if (index < 0)
        return KeychainStatus::itemNotFound;
    QVariantMap item = items.list.at(index).toMap();
    item.insert(dataKey, data);
    items.list[index] = item;
    return writeItems(m_file, items.list);
}

int Keychain::remove(const QString& service, const QString& account)
{
    Items items = readItems(m_file);
    if (items.status != KeychainStatus::success)
        return items.status;
    const qsizetype index = indexOf(items.list, service, account);
    if (index < 0)
        return KeychainStatus::itemNotFound;
    items.list.removeAt(index);
    return writeItems(m_file, items.list);
}

std::unique_ptr<AtomicFile> Keychain::stageSet(const QString& service, const QString& account, const QByteArray& data, int* status)
{
    const Items items = readItems(m_file);
    if (items.status != KeychainStatus::success) {
        *status = items.status;
        return nullptr;
    }
    std::unique_ptr<AtomicFile> staged =
        PropertyList::stageFile(m_file, withItem(items.list, service, account, data), nullptr, FileAccess::OwnerOnly);
    *status = staged ? KeychainStatus::success : KeychainStatus::ioError;
    return staged;
}

bool Keychain::setAside()
{
    const QString aside = m_file + QStringLiteral(".damaged");
    if (QFileInfo::exists(aside) && !QFile::remove(aside))
        return false;
    return QFile::rename(m_file, aside);
}

}  // namespace korvel
