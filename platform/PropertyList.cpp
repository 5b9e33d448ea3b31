#include "platform/PropertyList.h"

#include "platform/BinaryPropertyListReader.h"
#include "platform/StoredList.h"
#include "platform/XmlPropertyListReader.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <functional>
#include <cstring>
#include <cmath>
#include <optional>
#include <string>

namespace korvel {

namespace {

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
    // Takes the text written so far; false stops the writing.
    using Sink = std::function<bool(QByteArrayView)>;

    XmlWriter() = default;
    // Hands the text to `sink` whenever about a mebibyte has gathered.
    explicit XmlWriter(Sink sink)
        : m_sink(std::move(sink))
    {
    }

    QByteArray finish(const QVariant& root)
    {
        m_out.reserve(m_sink ? size_t(flushSize + flushSize / 4) : 4096);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                 "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                 "<plist version=\"1.0\">\n";
        if (!value(root, 0))
            m_out += "<dict/>\n";
        m_out += "</plist>\n";
        flush(0);
        return QByteArray(m_out.data(), qsizetype(m_out.size()));
    }

    bool failed() const { return m_failed; }

private:
    static constexpr qsizetype flushSize = qsizetype(1) << 20;

    void flush(qsizetype atLeast)
    {
        if (!m_sink || qsizetype(m_out.size()) < atLeast || m_failed)
            return;
        m_failed = !m_sink(QByteArrayView(m_out.data(), qsizetype(m_out.size())));
        m_out.clear();
    }

    void indent(int depth)
    {
        static const char tabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        for (; depth > 16; depth -= 16)
            m_out.append(tabs, 16);
        m_out.append(tabs, depth);
    }

    template <typename Integer>
    void integer(Integer value, int depth)
    {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        element("integer", QByteArrayView(buffer, result.ptr - buffer), depth);
    }

    void text(const QString& s)
    {
        // Encoded straight into the output: the worst case is six bytes per UTF-16 unit ("&amp;"
        // is five, U+FFFD three).
        const size_t used = m_out.size();
        m_out.resize(used + size_t(s.size()) * 6);
        char* out = m_out.data() + used;
        const char16_t* p = reinterpret_cast<const char16_t*>(s.utf16());
        const char16_t* end = p + s.size();
        const auto put = [&out](const char* literal, int n) {
            std::memcpy(out, literal, n);
            out += n;
        };
        for (; p < end; ++p) {
            char32_t c = *p;
            if (c < 0x80) {
                switch (c) {
                case '&':
                    put("&amp;", 5);
                    continue;
                case '<':
                    put("&lt;", 4);
                    continue;
                case '>':
                    put("&gt;", 4);
                    continue;
                default:
                    // XML 1.0 cannot carry the other controls at all; writing them would make the
                    // whole file unreadable, so they become the replacement character.
                    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                        put("\xEF\xBF\xBD", 3);
                    else
                        *out++ = char(c);
                    continue;
                }
            }
            if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
                c = QChar::surrogateToUcs4(char16_t(c), p[1]);
                ++p;
            } else if (QChar::isSurrogate(c)) {
                c = 0xFFFD;
            }
            if (c < 0x800) {
                *out++ = char(0xC0 | (c >> 6));
                *out++ = char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                *out++ = char(0xE0 | (c >> 12));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            } else {
                *out++ = char(0xF0 | (c >> 18));
                *out++ = char(0x80 | ((c >> 12) & 0x3F));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            }
        }
        m_out.resize(size_t(out - m_out.data()));
    }

    void element(const char* name, QByteArrayView content, int depth)
    {
        indent(depth);
        m_out += '<';
        m_out += name;
        m_out += '>';
        m_out.append(content.data(), size_t(content.size()));
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
        if (v.metaType() == QMetaType::fromType<StoredListPtr>()) {
            const StoredListPtr list = v.value<StoredListPtr>();
            indent(depth);
            if (!list || list->size() == 0) {
                m_out += "<array/>\n";
                return true;
            }
            m_out += "<array>\n";
            for (qsizetype i = 0; i < list->size() && !m_failed; ++i) {
                flush(flushSize);
                value(list->element(i), depth + 1);
            }
            indent(depth);
            m_out += "</array>\n";
            return true;
        }
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
                // Only between entries: a value without a property-list form takes its key back.
                flush(flushSize);
                const size_t mark = m_out.size();
                stringElement("key", it.key(), depth + 1);
                if (!value(it.value(), depth + 1))
                    m_out.resize(mark);
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
            for (const QVariant& element : list) {
                flush(flushSize);
                value(element, depth + 1);
            }
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
            integer(v.toLongLong(), depth);
            return true;
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            integer(v.toULongLong(), depth);
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

    // A standard string: appending to it is cheaper than to a QByteArray, and a store of 100,000
    // records is a few million appends.
    std::string m_out;
    Sink m_sink;
    bool m_failed = false;
};

}  // namespace

PropertyListParse PropertyList::parse(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed,
                                     const XmlPropertyListReader::TopLevelArrays* arrays)
{
    if (bytes.isEmpty())
        return failure(PropertyListError::Empty, QStringLiteral("empty property list"));
    QString message;
    std::optional<QVariant> root;
    if (BinaryPropertyListReader::looksBinary(bytes)) {
        root = BinaryPropertyListReader::read(bytes, &message);
        if (!root)
            return failure(PropertyListError::Malformed, QStringLiteral("not a valid binary property list: ") + message);
        // Read whole as binary lists are; the arrays asked for are handed over as XML's would be.
        if (arrays && root->metaType().id() == QMetaType::QVariantMap) {
            QVariantMap map = root->toMap();
            for (auto it = map.begin(); it != map.end(); ++it) {
                if (it.value().metaType().id() != QMetaType::QVariantList || !arrays->takes(it.key()))
                    continue;
                for (QVariant element : it.value().toList())
                    arrays->element(it.key(), std::move(element));
                it.value() = QVariantList();
            }
            root = QVariant(map);
        }
    } else {
        root = XmlPropertyListReader::read(bytes, &message, passed, arrays);
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
    std::unique_ptr<AtomicFile> file = stageFile(path, value, error, access);
    if (file && file->commit())
        return true;
    if (file && error)
        *error = file->errorString();
    return false;
}

std::unique_ptr<AtomicFile> PropertyList::stageFile(const QString& path, const QVariant& value, QString* error, FileAccess access)
{
    auto file = std::make_unique<AtomicFile>(path, access);
    bool ok = file->open();
    if (ok) {
        XmlWriter writer([&file](QByteArrayView text) { return file->write(text); });
        writer.finish(value);
        ok = !writer.failed() && file->stage();
    }
    if (ok)
        return file;
    if (error)
        *error = file->errorString();
    return nullptr;
}

}  // namespace korvel
