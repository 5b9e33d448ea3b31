#include "platform/PropertyList.h"

#include "platform/BinaryPropertyListReader.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <charconv>
#include <cmath>
#include <optional>

namespace korvel {

namespace {

constexpr int maximumDepth = 512;

PropertyListParse failure(PropertyListError error, const QString& message)
{
    PropertyListParse result;
    result.error = error;
    result.message = message;
    return result;
}

// --- Writing -------------------------------------------------------------------------------------

class XmlWriter {
public:
    QByteArray finish(const QVariant& root)
    {
        m_out.reserve(4096);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                 "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                 "<plist version=\"1.0\">\n";
        if (!value(root, 0))
            m_out += "<dict/>\n";
        m_out += "</plist>\n";
        return std::move(m_out);
    }

private:
    void indent(int depth) { m_out.append(depth, '\t'); }

    void text(const QString& s)
    {
        const QByteArray utf8 = s.toUtf8();
        for (char c : utf8) {
            switch (c) {
            case '&':
                m_out += "&amp;";
                break;
            case '<':
                m_out += "&lt;";
                break;
            case '>':
                m_out += "&gt;";
                break;
            default:
                // XML 1.0 cannot carry these controls at all; writing them would make the whole
                // file unreadable, so they become the replacement character.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    m_out += "\xEF\xBF\xBD";
                else
                    m_out += c;
            }
        }
    }

    void element(const char* name, const QByteArray& content, int depth)
    {
        indent(depth);
        m_out += '<';
        m_out += name;
        m_out += '>';
        m_out += content;
        m_out += "</";
        m_out += name;
        m_out += ">\n";
    }

    void stringElement(const char* name, const QString& s, int depth)
    {
        indent(depth);
        m_out += '<';
        m_out += name;
        m_out += '>';
        text(s);
        m_out += "</";
        m_out += name;
        m_out += ">\n";
    }

    static QByteArray realText(double d)
    {
        if (std::isnan(d))
            return "nan";
        if (std::isinf(d))
            return d > 0 ? "+infinity" : "-infinity";
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
        return QByteArray(buffer, result.ptr - buffer);
    }

    // Returns false for values that have no property-list form (they are left out).
    bool value(const QVariant& v, int depth)
    {
        switch (v.metaType().id()) {
        case QMetaType::QVariantMap: {
            const QVariantMap map = v.toMap();
            if (map.isEmpty()) {
                indent(depth);
                m_out += "<dict/>\n";
                return true;
            }
            indent(depth);
            m_out += "<dict>\n";
            for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
                if (!it.value().isValid())
                    continue;
                const qsizetype mark = m_out.size();
                stringElement("key", it.key(), depth + 1);
                if (!value(it.value(), depth + 1))
                    m_out.truncate(mark);
            }
            indent(depth);
            m_out += "</dict>\n";
            return true;
        }
        case QMetaType::QVariantHash: {
            QVariantMap map;
            const QVariantHash hash = v.toHash();
            for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
                map.insert(it.key(), it.value());
            return value(map, depth);
        }
        case QMetaType::QVariantList:
        case QMetaType::QStringList: {
            const QVariantList list = v.toList();
            indent(depth);
            if (list.isEmpty()) {
                m_out += "<array/>\n";
                return true;
            }
            m_out += "<array>\n";
            for (const QVariant& element : list)
                value(element, depth + 1);
            indent(depth);
            m_out += "</array>\n";
            return true;
        }
        case QMetaType::Bool:
            indent(depth);
            m_out += v.toBool() ? "<true/>\n" : "<false/>\n";
            return true;
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::SChar:
            element("integer", QByteArray::number(v.toLongLong()), depth);
            return true;
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            element("integer", QByteArray::number(v.toULongLong()), depth);
            return true;
        case QMetaType::Double:
        case QMetaType::Float:
            element("real", realText(v.toDouble()), depth);
            return true;
        case QMetaType::QDateTime:
            element("date", v.toDateTime().toUTC().toString(Qt::ISODate).toLatin1(), depth);
            return true;
        case QMetaType::QByteArray:
            element("data", v.toByteArray().toBase64(), depth);
            return true;
        case QMetaType::QString:
            stringElement("string", v.toString(), depth);
            return true;
        case QMetaType::UnknownType:
            return false;
        default:
            if (!v.canConvert<QString>())
                return false;
            stringElement("string", v.toString(), depth);
            return true;
        }
    }

    QByteArray m_out;
};

// --- Reading -------------------------------------------------------------------------------------

class XmlReader {
public:
    explicit XmlReader(const QByteArray& bytes)
        : m_xml(bytes)
    {
    }

    std::optional<QVariant> run(QString* error)
    {
        std::optional<QVariant> root;
        if (!m_xml.readNextStartElement()) {
            fail(QStringLiteral("no <plist> element"));
        } else if (m_xml.name() != QLatin1String("plist")) {
            fail(QStringLiteral("the root element is <%1>, not <plist>").arg(m_xml.name()));
        } else if (!m_xml.readNextStartElement()) {
            fail(QStringLiteral("<plist> holds no value"));
        } else {
            root = value(0);
            if (root && m_xml.readNextStartElement())
                root = fail(QStringLiteral("<plist> holds more than one value"));
            while (root && !m_xml.atEnd())
                m_xml.readNext();
        }
        if (m_xml.hasError() && m_error.isEmpty())
            fail(m_xml.errorString());
        if (!m_error.isEmpty()) {
            *error = QStringLiteral("line %1, column %2: %3").arg(m_xml.lineNumber()).arg(m_xml.columnNumber()).arg(m_error);
            return std::nullopt;
        }
        return root;
    }

private:
    std::nullopt_t fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return std::nullopt;
    }

    QString elementText()
    {
        QString s = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        return s.isNull() ? QString(QLatin1String("")) : s;
    }

    // Reads the value whose start element is current, up to and including its end element.
    std::optional<QVariant> value(int depth)
    {
        if (depth > maximumDepth)
            return fail(QStringLiteral("values nest too deeply"));
        const QStringView name = m_xml.name();
        if (name == QLatin1String("dict"))
            return dictionary(depth);
        if (name == QLatin1String("array")) {
            QVariantList list;
            while (m_xml.readNextStartElement()) {
                std::optional<QVariant> element = value(depth + 1);
                if (!element)
                    return std::nullopt;
                list.append(std::move(*element));
            }
            if (m_xml.hasError())
                return std::nullopt;
            return QVariant(list);
        }
        if (name == QLatin1String("string"))
            return QVariant(elementText());
        if (name == QLatin1String("integer")) {
            const QString t = elementText().trimmed();
            bool ok = false;
            qint64 v = t.toLongLong(&ok, 0);
            if (!ok)
                v = static_cast<qint64>(t.toULongLong(&ok, 0));
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not an integer").arg(t));
            return QVariant(v);
        }
        if (name == QLatin1String("real")) {
            const QString t = elementText().trimmed();
            const QString lower = t.toLower();
            if (lower == QLatin1String("nan"))
                return QVariant(std::nan(""));
            if (lower == QLatin1String("+infinity") || lower == QLatin1String("infinity") || lower == QLatin1String("inf"))
                return QVariant(HUGE_VAL);
            if (lower == QLatin1String("-infinity") || lower == QLatin1String("-inf"))
                return QVariant(-HUGE_VAL);
            bool ok = false;
            const double d = t.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a real number").arg(t));
            return QVariant(d);
        }
        if (name == QLatin1String("true") || name == QLatin1String("false")) {
            const bool v = name == QLatin1String("true");
            elementText();
            return QVariant(v);
        }
        if (name == QLatin1String("date")) {
            const QString t = elementText().trimmed();
            QDateTime d = QDateTime::fromString(t, Qt::ISODate);
            if (!d.isValid())
                return fail(QStringLiteral("\"%1\" is not a date").arg(t));
            return QVariant(d.toUTC());
        }
        if (name == QLatin1String("data")) {
            const QByteArray encoded = elementText().toLatin1();
            return QVariant(QByteArray::fromBase64(encoded));
        }
        return fail(QStringLiteral("unknown element <%1>").arg(name));
    }

    std::optional<QVariant> dictionary(int depth)
    {
        QVariantMap map;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("key"))
                return fail(QStringLiteral("a dictionary value has no <key>"));
            QString key = elementText();
            if (m_xml.hasError())
                return std::nullopt;
            if (!m_xml.readNextStartElement())
                return fail(QStringLiteral("the key \"%1\" has no value").arg(key));
            std::optional<QVariant> v = value(depth + 1);
            if (!v)
                return std::nullopt;
            map.insert(std::move(key), std::move(*v));
        }
        if (m_xml.hasError())
            return std::nullopt;
        return QVariant(map);
    }

    QXmlStreamReader m_xml;
    QString m_error;
};

}  // namespace

PropertyListParse PropertyList::parse(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return failure(PropertyListError::Empty, QStringLiteral("empty property list"));
    QString message;
    std::optional<QVariant> root;
    if (BinaryPropertyListReader::looksBinary(bytes)) {
        root = BinaryPropertyListReader::read(bytes, &message);
        if (!root)
            return failure(PropertyListError::Malformed, QStringLiteral("not a valid binary property list: ") + message);
    } else {
        root = XmlReader(bytes).run(&message);
        if (!root)
            return failure(PropertyListError::Malformed, QStringLiteral("not a valid XML property list: ") + message);
    }
    PropertyListParse result;
    result.value = std::move(*root);
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
    return XmlWriter().finish(value);
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
