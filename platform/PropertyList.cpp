#include "platform/PropertyList.h"

#include "platform/BinaryPropertyListReader.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <cstdlib>
#include <limits>
#include <memory>

#include <plist/plist.h>

namespace korvel {

namespace {

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
constexpr qint64 referenceDateOffset = 978307200;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

QString nonNullString(const char* text, qsizetype length)
{
    // An empty string in a document is a value, not an absent one: keep it non-null.
    QString s = QString::fromUtf8(text, length);
    return s.isNull() ? QString(QLatin1String("")) : s;
}

QVariant toVariant(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return QVariant(value != 0);
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return QVariant(static_cast<qint64>(value));
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return QVariant(static_cast<qint64>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return QVariant(value);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        char* text = nullptr;
        if (plist_get_node_type(node) == PLIST_STRING)
            plist_get_string_val(node, &text);
        else
            plist_get_key_val(node, &text);
        QVariant value(nonNullString(text ? text : "", -1));
        free(text);
        return value;
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        QByteArray data(bytes ? bytes : "", static_cast<qsizetype>(bytes ? length : 0));
        free(bytes);
        return QVariant(data);
    }
    case PLIST_DATE: {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        const qint64 ms = (referenceDateOffset + sec) * 1000 + usec / 1000;
        return QVariant(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t count = plist_array_get_size(node);
        list.reserve(count);
        for (uint32_t i = 0; i < count; ++i)
            list.append(toVariant(plist_array_get_item(node, i)));
        return QVariant(list);
    }
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        for (;;) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, it, &key, &value);
            if (!key)
                break;
            map.insert(QString::fromUtf8(key), toVariant(value));
            free(key);
        }
        free(it);
        return QVariant(map);
    }
    case PLIST_NONE:
        break;
    }
    return QVariant();
}

plist_t fromVariant(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QVariantMap: {
        plist_t dict = plist_new_dict();
        const QVariantMap map = value.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            if (plist_t item = fromVariant(it.value()))
                plist_dict_set_item(dict, it.key().toUtf8().constData(), item);
        }
        return dict;
    }
    case QMetaType::QVariantHash: {
        QVariantMap map;
        const QVariantHash hash = value.toHash();
        for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
            map.insert(it.key(), it.value());
        return fromVariant(QVariant(map));
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        const QVariantList list = value.toList();
        for (const QVariant& element : list) {
            if (plist_t item = fromVariant(element))
                plist_array_append_item(array, item);
        }
        return array;
    }
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return plist_new_uint(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QDateTime: {
        const qint64 ms = value.toDateTime().toMSecsSinceEpoch() - referenceDateOffset * 1000;
        const qint64 sec = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
        return plist_new_date(static_cast<int32_t>(sec), static_cast<int32_t>((ms - sec * 1000) * 1000));
    }
    case QMetaType::QByteArray: {
        const QByteArray data = value.toByteArray();
        return plist_new_data(data.constData(), static_cast<uint64_t>(data.size()));
    }
    case QMetaType::UnknownType:
        return nullptr;
    default:
        if (value.canConvert<QString>())
            return plist_new_string(value.toString().toUtf8().constData());
        return nullptr;
    }
}

// libplist's own XML reader has a history of faults on malformed input; a document must be
// well-formed XML with a <plist> root before it is handed over.
bool isWellFormedXmlPlist(const QByteArray& bytes, QString* message)
{
    QXmlStreamReader reader(bytes);
    bool sawRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !sawRoot) {
            sawRoot = true;
            if (reader.name() != QLatin1String("plist")) {
                *message = QStringLiteral("the root element is <%1>, not <plist>").arg(reader.name());
                return false;
            }
        }
    }
    if (reader.hasError()) {
        *message = QStringLiteral("line %1, column %2: %3")
                       .arg(reader.lineNumber())
                       .arg(reader.columnNumber())
                       .arg(reader.errorString());
        return false;
    }
    if (!sawRoot) {
        *message = QStringLiteral("no <plist> element");
        return false;
    }
    return true;
}

PropertyListParse failure(PropertyListError error, const QString& message)
{
    PropertyListParse result;
    result.error = error;
    result.message = message;
    return result;
}

}  // namespace

PropertyListParse PropertyList::parse(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return failure(PropertyListError::Empty, QStringLiteral("empty property list"));
    if (bytes.size() > std::numeric_limits<int32_t>::max())
        return failure(PropertyListError::Malformed, QStringLiteral("property list too large"));

    QString message;
    // libplist 2.2 aborts on some damaged binary lists, so those are decoded by a bounded reader.
    if (BinaryPropertyListReader::looksBinary(bytes)) {
        std::optional<QVariant> root = BinaryPropertyListReader::read(bytes, &message);
        if (!root)
            return failure(PropertyListError::Malformed, QStringLiteral("not a valid binary property list: ") + message);
        PropertyListParse result;
        result.value = *root;
        return result;
    }
    if (!isWellFormedXmlPlist(bytes, &message))
        return failure(PropertyListError::Malformed, QStringLiteral("not a property list: ") + message);

    plist_t root = nullptr;
    plist_from_xml(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    if (!root)
        return failure(PropertyListError::Malformed, QStringLiteral("not a valid XML property list"));
    PlistPtr owner(root);
    PropertyListParse result;
    result.value = toVariant(root);
    return result;
}

PropertyListParse PropertyList::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(PropertyListError::Unreadable, path + QStringLiteral(": ") + file.errorString());
    PropertyListParse result = parse(file.readAll());
    if (!result.ok())
        result.message = path + QStringLiteral(": ") + result.message;
    return result;
}

QByteArray PropertyList::toXml(const QVariant& value)
{
    PlistPtr root(fromVariant(value));
    if (!root)
        root.reset(plist_new_dict());
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    QByteArray bytes(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return bytes;
}

bool PropertyList::writeFile(const QString& path, const QVariant& value, QString* error, FileAccess access)
{
    const QByteArray bytes = toXml(value);
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    switch (access) {
    case FileAccess::Default:
        break;
    case FileAccess::OwnerOnly:
        // Restricted before a single byte is written, so the secret is never readable by others.
        ok = ok && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        break;
    }
    if (!ok || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

}  // namespace korvel
