#include "platform/XmlPropertyListReader.h"

#include <QDateTime>
#include <QHash>
#include <QVariantList>
#include <QVariantMap>

#include <charconv>
#include <cmath>
#include <cstring>

namespace korvel {

namespace {

constexpr int maximumDepth = 512;
constexpr qsizetype maximumInternedKeys = 4096;
// How far the reader moves between reports of what it has passed.
constexpr qsizetype passedStep = qsizetype(4) << 20;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
           || c == ':' || c == '.';
}

void appendUtf8(QByteArray& out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

class Parser {
public:
    Parser(const QByteArray& bytes, const XmlPropertyListReader::Passed& passed, const XmlPropertyListReader::TopLevelArrays* arrays)
        : m_arrays(arrays)
        , m_begin(bytes.constData())
        , m_p(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
        , m_counted(bytes.constData())
        , m_passed(passed)
    {
    }

    std::optional<QVariant> run(QString* error)
    {
        std::optional<QVariant> root = document();
        if (!root) {
            qsizetype line = 1 + m_lines;
            for (const char* c = m_counted; c < m_p && c < m_end; ++c)
                line += *c == '\n';
            *error = QStringLiteral("line %1: %2").arg(line).arg(m_error);
        }
        return root;
    }

private:
    // Between values nothing before the cursor is needed any more: lines are counted up to it (for
    // error messages) before those bytes are reported passed. Container names are compared as
    // literals, not as views into the input, for the same reason.
    void moveOn()
    {
        if (!m_passed || m_p - m_counted < passedStep)
            return;
        for (const char* c = m_counted; c < m_p; ++c)
            m_lines += *c == '\n';
        m_counted = m_p;
        m_passed(m_p);
    }

    std::nullopt_t fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return std::nullopt;
    }

    bool startsWith(const char* literal) const
    {
        const size_t n = std::strlen(literal);
        return size_t(m_end - m_p) >= n && std::memcmp(m_p, literal, n) == 0;
    }

    // Skips past `terminator`; false when the input ends first.
    bool skipPast(const char* terminator)
    {
        const size_t n = std::strlen(terminator);
        for (; m_p + n <= m_end; ++m_p) {
            if (std::memcmp(m_p, terminator, n) == 0) {
                m_p += n;
                return true;
            }
        }
        m_p = m_end;
        return false;
    }

    // White space, comments and processing instructions between elements.
    bool skipMisc()
    {
        for (;;) {
            while (m_p < m_end && isSpace(*m_p))
                ++m_p;
            // The common case: the next element starts here.
            if (m_end - m_p < 2 || m_p[0] != '<' || (m_p[1] != '!' && m_p[1] != '?'))
                return true;
            if (startsWith("<!--")) {
                if (!skipPast("-->"))
                    return fail(QStringLiteral("unterminated comment")), false;
            } else if (startsWith("<?")) {
                if (!skipPast("?>"))
                    return fail(QStringLiteral("unterminated processing instruction")), false;
            } else {
                return true;
            }
        }
    }

    bool skipDoctype()
    {
        // "<!DOCTYPE plist PUBLIC "..." "...">", possibly with an internal subset in brackets.
        m_p += 9;
        int brackets = 0;
        char quote = 0;
        for (; m_p < m_end; ++m_p) {
            const char c = *m_p;
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                ++m_p;
                return true;
            }
        }
        return fail(QStringLiteral("unterminated DOCTYPE")), false;
    }

    struct Tag {
        QByteArray name;
        bool selfClosing = false;
    };

    // Reads "<name attr='v' ...>" or "<name/>" at the current position.
    std::optional<Tag> startTag()
    {
        if (m_p >= m_end || *m_p != '<')
            return fail(QStringLiteral("an element was expected"));
        ++m_p;
        const char* nameStart = m_p;
        while (m_p < m_end && isNameChar(*m_p))
            ++m_p;
        if (m_p == nameStart)
            return fail(QStringLiteral("an element name was expected"));
        Tag tag;
        tag.name = QByteArray::fromRawData(nameStart, m_p - nameStart);
        for (;;) {
            while (m_p < m_end && isSpace(*m_p))
                ++m_p;
            if (m_p >= m_end)
                return fail(QStringLiteral("unterminated tag <%1>").arg(QString::fromLatin1(tag.name)));
            if (*m_p == '>') {
                ++m_p;
                return tag;
            }
            if (*m_p == '/' && m_p + 1 < m_end && m_p[1] == '>') {
                m_p += 2;
                tag.selfClosing = true;
                return tag;
            }
            // An attribute: name = "value".
            const char* attribute = m_p;
            while (m_p < m_end && isNameChar(*m_p))
                ++m_p;
            while (m_p < m_end && isSpace(*m_p))
                ++m_p;
            if (m_p == attribute || m_p >= m_end || *m_p != '=')
                return fail(QStringLiteral("malformed attribute in <%1>").arg(QString::fromLatin1(tag.name)));
            ++m_p;
            while (m_p < m_end && isSpace(*m_p))
                ++m_p;
            if (m_p >= m_end || (*m_p != '"' && *m_p != '\''))
                return fail(QStringLiteral("unquoted attribute in <%1>").arg(QString::fromLatin1(tag.name)));
            const char quote = *m_p++;
            const char* close = static_cast<const char*>(std::memchr(m_p, quote, m_end - m_p));
            if (!close)
                return fail(QStringLiteral("unterminated attribute"));
            m_p = close + 1;
        }
    }

    bool endTag(const QByteArray& name)
    {
        if (!skipMisc())
            return false;
        const qsizetype n = name.size();
        if (m_end - m_p < n + 3 || m_p[0] != '<' || m_p[1] != '/' || std::memcmp(m_p + 2, name.constData(), n) != 0)
            return fail(QStringLiteral("</%1> was expected").arg(QString::fromLatin1(name))), false;
        m_p += 2 + n;
        while (m_p < m_end && isSpace(*m_p))
            ++m_p;
        if (m_p >= m_end || *m_p != '>')
            return fail(QStringLiteral("</%1> was expected").arg(QString::fromLatin1(name))), false;
        ++m_p;
        return true;
    }

    bool reference(QByteArray& out)
    {
        const char* semicolon = static_cast<const char*>(std::memchr(m_p, ';', std::min<qsizetype>(m_end - m_p, 12)));
        if (!semicolon)
            return fail(QStringLiteral("malformed character reference")), false;
        const QByteArray name = QByteArray::fromRawData(m_p + 1, semicolon - m_p - 1);
        m_p = semicolon + 1;
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.startsWith('#')) {
            bool ok = false;
            const uint code = name.startsWith("#x") ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            const bool allowed = ok && (code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
                                        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF));
            if (!allowed)
                return fail(QStringLiteral("character reference &%1; is not allowed").arg(QString::fromLatin1(name))), false;
            appendUtf8(out, char32_t(code));
        } else {
            return fail(QStringLiteral("unknown entity &%1;").arg(QString::fromLatin1(name))), false;
        }
        return true;
    }

    // The character data of a text-only element up to its end tag, references decoded. Plain text
    // (the usual case) is returned as a view into the input; decoded text lives in m_scratch until
    // the next call.
    std::optional<QByteArrayView> elementText(const Tag& tag)
    {
        if (tag.selfClosing)
            return QByteArrayView();
        const char* start = m_p;
        const char* stop = m_p;
        while (stop < m_end && *stop != '<' && *stop != '&' && *stop != '\0')
            ++stop;
        if (stop + 1 < m_end && stop[0] == '<' && stop[1] == '/') {
            m_p = stop;
            if (!endTag(tag.name))
                return std::nullopt;
            return QByteArrayView(start, stop - start);
        }
        m_scratch.clear();
        m_p = start;
        for (;;) {
            stop = m_p;
            while (stop < m_end && *stop != '<' && *stop != '&' && *stop != '\0')
                ++stop;
            m_scratch.append(m_p, stop - m_p);
            m_p = stop;
            if (m_p >= m_end)
                return fail(QStringLiteral("<%1> is not closed").arg(QString::fromLatin1(tag.name)));
            if (*m_p == '\0')
                return fail(QStringLiteral("a NUL byte in text"));
            if (*m_p == '&') {
                if (!reference(m_scratch))
                    return std::nullopt;
            } else if (startsWith("<![CDATA[")) {
                m_p += 9;
                const char* begin = m_p;
                if (!skipPast("]]>"))
                    return fail(QStringLiteral("unterminated CDATA section"));
                m_scratch.append(begin, m_p - 3 - begin);
            } else if (startsWith("<!--")) {
                if (!skipPast("-->"))
                    return fail(QStringLiteral("unterminated comment"));
            } else if (startsWith("</")) {
                if (!endTag(tag.name))
                    return std::nullopt;
                return QByteArrayView(m_scratch);
            } else {
                return fail(QStringLiteral("<%1> may hold only text").arg(QString::fromLatin1(tag.name)));
            }
        }
    }

    std::optional<QString> text(const Tag& tag)
    {
        std::optional<QByteArrayView> bytes = elementText(tag);
        if (!bytes)
            return std::nullopt;
        QString s = QString::fromUtf8(*bytes);
        return s.isNull() ? QString(QLatin1String("")) : s;
    }

    // Keys repeat in every record of a list: one shared string per distinct key saves memory.
    std::optional<QString> key(const Tag& tag)
    {
        std::optional<QByteArrayView> bytes = elementText(tag);
        if (!bytes)
            return std::nullopt;
        const QByteArray lookup = QByteArray::fromRawData(bytes->data(), bytes->size());
        auto it = m_keys.constFind(lookup);
        if (it != m_keys.constEnd())
            return it.value();
        QString s = QString::fromUtf8(*bytes);
        if (s.isNull())
            s = QString(QLatin1String(""));
        if (m_keys.size() < maximumInternedKeys)
            m_keys.insert(bytes->toByteArray(), s);
        return s;
    }

    std::optional<QVariant> document()
    {
        if (startsWith("\xEF\xBB\xBF"))
            m_p += 3;
        if (!skipMisc())
            return std::nullopt;
        if (startsWith("<!DOCTYPE")) {
            if (!skipDoctype() || !skipMisc())
                return std::nullopt;
        }
        std::optional<Tag> root = startTag();
        if (!root)
            return std::nullopt;
        if (root->name != "plist")
            return fail(QStringLiteral("the root element is <%1>, not <plist>").arg(QString::fromLatin1(root->name)));
        if (root->selfClosing || !skipMisc())
            return fail(QStringLiteral("<plist> holds no value"));
        std::optional<QVariant> result = value(0);
        if (!result || !endTag(QByteArrayLiteral("plist")) || !skipMisc())
            return std::nullopt;
        if (m_p != m_end)
            return fail(QStringLiteral("content after </plist>"));
        return result;
    }

    std::optional<QVariant> value(int depth)
    {
        if (depth > maximumDepth)
            return fail(QStringLiteral("values nest too deeply"));
        if (startsWith("</"))
            return fail(QStringLiteral("a value was expected"));
        std::optional<Tag> tag = startTag();
        if (!tag)
            return std::nullopt;
        const QByteArray& name = tag->name;
        if (name == "dict")
            return dictionary(*tag, depth);
        if (name == "array")
            return array(*tag, depth);
        if (name == "string") {
            std::optional<QString> s = text(*tag);
            return s ? std::optional<QVariant>(QVariant(std::move(*s))) : std::nullopt;
        }
        if (name == "true" || name == "false") {
            if (!elementText(*tag))
                return std::nullopt;
            return QVariant(name == "true");
        }
        std::optional<QByteArrayView> raw = elementText(*tag);
        if (!raw)
            return std::nullopt;
        const QByteArrayView t = raw->trimmed();
        if (name == "integer") {
            bool ok = false;
            qint64 v = 0;
            const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
            ok = ec == std::errc() && end == t.data() + t.size();
            if (!ok)
                v = t.toLongLong(&ok, 0);
            if (!ok)
                v = static_cast<qint64>(t.toULongLong(&ok, 0));
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not an integer").arg(QString::fromUtf8(t)));
            return QVariant(v);
        }
        if (name == "real") {
            const QByteArray lower = t.toByteArray().toLower();
            if (lower == "nan")
                return QVariant(std::nan(""));
            if (lower == "+infinity" || lower == "infinity" || lower == "inf" || lower == "+inf")
                return QVariant(HUGE_VAL);
            if (lower == "-infinity" || lower == "-inf")
                return QVariant(-HUGE_VAL);
            bool ok = false;
            const double d = t.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a real number").arg(QString::fromUtf8(t)));
            return QVariant(d);
        }
        if (name == "date") {
            const QDateTime d = QDateTime::fromString(QString::fromLatin1(t), Qt::ISODate);
            if (!d.isValid())
                return fail(QStringLiteral("\"%1\" is not a date").arg(QString::fromUtf8(t)));
            return QVariant(d.toUTC());
        }
        if (name == "data")
            return QVariant(QByteArray::fromBase64(t.toByteArray()));
        return fail(QStringLiteral("unknown element <%1>").arg(QString::fromLatin1(name)));
    }

    // With `handOver`, each element goes there instead of into the list.
    std::optional<QVariant> array(const Tag& tag, int depth, const QString* handOver = nullptr)
    {
        static const QByteArray name = QByteArrayLiteral("array");
        QVariantList list;
        if (tag.selfClosing)
            return QVariant(list);
        for (;;) {
            moveOn();
            if (!skipMisc())
                return std::nullopt;
            if (startsWith("</")) {
                if (!endTag(name))
                    return std::nullopt;
                return QVariant(list);
            }
            std::optional<QVariant> element = value(depth + 1);
            if (!element)
                return std::nullopt;
            if (handOver)
                m_arrays->element(*handOver, std::move(*element));
            else
                list.append(std::move(*element));
        }
    }

    std::optional<QVariant> dictionary(const Tag& tag, int depth)
    {
        static const QByteArray name = QByteArrayLiteral("dict");
        QVariantMap map;
        if (tag.selfClosing)
            return QVariant(map);
        for (;;) {
            moveOn();
            if (!skipMisc())
                return std::nullopt;
            if (startsWith("</")) {
                if (!endTag(name))
                    return std::nullopt;
                return QVariant(map);
            }
            std::optional<Tag> keyTag = startTag();
            if (!keyTag)
                return std::nullopt;
            if (keyTag->name != "key")
                return fail(QStringLiteral("a dictionary value has no <key>"));
            std::optional<QString> k = key(*keyTag);
            if (!k || !skipMisc())
                return std::nullopt;
            std::optional<QVariant> v;
            if (depth == 0 && m_arrays && startsWith("<array") && m_arrays->takes(*k)) {
                std::optional<Tag> arrayTag = startTag();
                if (!arrayTag)
                    return std::nullopt;
                if (arrayTag->name != "array")
                    return fail(QStringLiteral("unknown element <%1>").arg(QString::fromLatin1(arrayTag->name)));
                v = array(*arrayTag, depth + 1, &*k);
            } else {
                v = value(depth + 1);
            }
            if (!v)
                return std::nullopt;
            // Writers emit keys in order, so the end is almost always the right place.
            map.insert(map.cend(), std::move(*k), std::move(*v));
        }
    }

    const XmlPropertyListReader::TopLevelArrays* m_arrays;
    const char* m_begin;
    const char* m_p;
    const char* m_end;
    QString m_error;
    const char* m_counted;  // lines before this are in m_lines
    qsizetype m_lines = 0;
    const XmlPropertyListReader::Passed& m_passed;
    QHash<QByteArray, QString> m_keys;
    QByteArray m_scratch;
};

}  // namespace

std::optional<QVariant> XmlPropertyListReader::read(const QByteArray& bytes, QString* error, const Passed& passed,
                                                    const TopLevelArrays* arrays)
{
    QString reason;
    std::optional<QVariant> root = Parser(bytes, passed, arrays).run(&reason);
    if (!root && error)
        *error = reason;
    return root;
}

}  // namespace korvel
