#include "platform/BinaryPropertyListReader.h"

#include <QDateTime>
#include <QVariantList>
#include <QVariantMap>

#include <cstring>
#include <vector>

namespace korvel {

namespace {

constexpr qint64 referenceDateOffset = 978307200;  // 2001-01-01 in Unix time
constexpr int maximumDepth = 512;
constexpr qsizetype headerSize = 8;
constexpr qsizetype trailerSize = 32;

class Decoder {
public:
    explicit Decoder(const QByteArray& bytes)
        : m_data(reinterpret_cast<const uchar*>(bytes.constData()))
        , m_size(static_cast<quint64>(bytes.size()))
    {
    }

    std::optional<QVariant> run(QString* error)
    {
        if (!readTrailer()) {
            *error = m_error;
            return std::nullopt;
        }
        std::optional<QVariant> root = object(m_topObject, 0);
        if (!root)
            *error = m_error;
        return root;
    }

private:
    bool fail(const char* why)
    {
        if (m_error.isEmpty())
            m_error = QString::fromLatin1(why);
        return false;
    }

    // Big-endian unsigned integer of `width` bytes (1 to 8) at `at`, inside the object area.
    bool readUnsigned(quint64 at, int width, quint64* value)
    {
        if (width < 1 || width > 8 || at > m_size || quint64(width) > m_size - at)
            return fail("a number runs past the end of the data");
        quint64 v = 0;
        for (int i = 0; i < width; ++i)
            v = (v << 8) | m_data[at + i];
        *value = v;
        return true;
    }

    bool readTrailer()
    {
        if (m_size < quint64(headerSize + trailerSize) || std::memcmp(m_data, "bplist0", 7) != 0)
            return fail("too short for a binary property list");
        const uchar* t = m_data + m_size - trailerSize;
        m_offsetSize = t[6];
        m_refSize = t[7];
        quint64 numObjects = 0;
        quint64 tableOffset = 0;
        const quint64 trailerAt = m_size - trailerSize;
        if (!readUnsigned(trailerAt + 8, 8, &numObjects) || !readUnsigned(trailerAt + 16, 8, &m_topObject)
            || !readUnsigned(trailerAt + 24, 8, &tableOffset))
            return false;
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8)
            return fail("bad integer sizes in the trailer");
        if (numObjects == 0 || m_topObject >= numObjects)
            return fail("the root object is out of range");
        if (tableOffset < quint64(headerSize) || tableOffset > trailerAt
            || numObjects > (trailerAt - tableOffset) / m_offsetSize)
            return fail("the offset table does not fit");
        m_objectsEnd = tableOffset;
        m_offsets.resize(numObjects);
        for (quint64 i = 0; i < numObjects; ++i) {
            if (!readUnsigned(tableOffset + i * m_offsetSize, m_offsetSize, &m_offsets[i]))
                return false;
            if (m_offsets[i] < quint64(headerSize) || m_offsets[i] >= m_objectsEnd)
                return fail("an object offset is out of range");
        }
        m_visiting.assign(numObjects, false);
        return true;
    }

    // The length of a container or string: the marker's low nibble, or an integer object after it.
    bool length(quint64 at, uchar info, quint64* count, quint64* start)
    {
        if (info != 0x0F) {
            *count = info;
            *start = at + 1;
            return true;
        }
        if (at + 1 >= m_objectsEnd)
            return fail("a length runs past the objects");
        const uchar marker = m_data[at + 1];
        if ((marker & 0xF0) != 0x10 || (marker & 0x0F) > 3)
            return fail("a length is not an integer");
        const int width = 1 << (marker & 0x0F);
        if (!readUnsigned(at + 2, width, count))
            return false;
        *start = at + 2 + width;
        return true;
    }

    bool fits(quint64 start, quint64 count, quint64 unit)
    {
        if (start > m_objectsEnd || (unit && count > (m_objectsEnd - start) / unit))
            return fail("an object runs past the objects");
        return true;
    }

    std::optional<QVariant> object(quint64 index, int depth)
    {
        if (index >= m_offsets.size()) {
            fail("an object reference is out of range");
            return std::nullopt;
        }
        if (depth > maximumDepth || m_visiting[index]) {
            fail("objects nest too deeply or refer to themselves");
            return std::nullopt;
        }
        const quint64 at = m_offsets[index];
        const uchar marker = m_data[at];
        const uchar info = marker & 0x0F;
        switch (marker >> 4) {
        case 0x0:
            if (marker == 0x08 || marker == 0x09)
                return QVariant(marker == 0x09);
            fail("unsupported simple value");
            return std::nullopt;
        case 0x1: {
            if (info > 4) {
                fail("bad integer width");
                return std::nullopt;
            }
            // 16-byte integers keep their low 64 bits.
            const int width = 1 << info;
            quint64 value = 0;
            if (!fits(at + 1, width, 1) || !readUnsigned(at + 1 + (width > 8 ? width - 8 : 0), std::min(width, 8), &value))
                return std::nullopt;
            return QVariant(static_cast<qint64>(value));
        }
        case 0x2:
        case 0x3: {
            const bool isDate = (marker >> 4) == 0x3;
            if ((isDate && info != 3) || (!isDate && info != 2 && info != 3)) {
                fail("bad real width");
                return std::nullopt;
            }
            quint64 bits = 0;
            if (!fits(at + 1, 1ULL << info, 1) || !readUnsigned(at + 1, 1 << info, &bits))
                return std::nullopt;
            double value = 0;
            if (info == 2) {
                float f = 0;
                const quint32 b32 = static_cast<quint32>(bits);
                std::memcpy(&f, &b32, sizeof f);
                value = f;
            } else {
                std::memcpy(&value, &bits, sizeof value);
            }
            if (!isDate)
                return QVariant(value);
            if (!(value == value) || value > 1e14 || value < -1e14) {
                fail("a date is out of range");
                return std::nullopt;
            }
            // Only the years the XML form can write (0001-9999): another date would be saved as an
            // empty <date/> that no reader takes back, and the whole file with it.
            const QDateTime date = QDateTime::fromMSecsSinceEpoch(referenceDateOffset * 1000 + qint64(value * 1000), Qt::UTC);
            if (date.date().year() < 1 || date.date().year() > 9999) {
                fail("a date is out of range");
                return std::nullopt;
            }
            return QVariant(date);
        }
        case 0x4:
        case 0x5:
        case 0x6:
        case 0x7: {
            quint64 count = 0;
            quint64 start = 0;
            const quint64 unit = (marker >> 4) == 0x6 ? 2 : 1;
            if (!length(at, info, &count, &start) || !fits(start, count, unit))
                return std::nullopt;
            const auto* p = reinterpret_cast<const char*>(m_data + start);
            switch (marker >> 4) {
            case 0x4:
                return QVariant(QByteArray(p, qsizetype(count)));
            case 0x5:
                return QVariant(QString::fromLatin1(p, qsizetype(count)));
            case 0x7:
                return QVariant(QString::fromUtf8(p, qsizetype(count)));
            default: {
                QString text(qsizetype(count), Qt::Uninitialized);
                for (quint64 i = 0; i < count; ++i)
                    text[qsizetype(i)] = QChar(char16_t((m_data[start + 2 * i] << 8) | m_data[start + 2 * i + 1]));
                return QVariant(text);
            }
            }
        }
        case 0x8: {
            quint64 value = 0;
            if (!fits(at + 1, info + 1, 1) || !readUnsigned(at + 1, std::min(info + 1, 8), &value))
                return std::nullopt;
            return QVariant(static_cast<qint64>(value));
        }
        case 0xA:
        case 0xC:
        case 0xD: {
            quint64 count = 0;
            quint64 start = 0;
            const bool isDict = (marker >> 4) == 0xD;
            if (!length(at, info, &count, &start) || !fits(start, count, isDict ? 2 * m_refSize : m_refSize))
                return std::nullopt;
            m_visiting[index] = true;
            std::optional<QVariant> result = isDict ? dictionary(start, count, depth) : array(start, count, depth);
            m_visiting[index] = false;
            return result;
        }
        default:
            fail("unknown object type");
            return std::nullopt;
        }
    }

    std::optional<QVariant> array(quint64 start, quint64 count, int depth)
    {
        QVariantList list;
        list.reserve(qsizetype(count));
        for (quint64 i = 0; i < count; ++i) {
            quint64 ref = 0;
            if (!readUnsigned(start + i * m_refSize, m_refSize, &ref))
                return std::nullopt;
            std::optional<QVariant> element = object(ref, depth + 1);
            if (!element)
                return std::nullopt;
            list.append(*element);
        }
        return QVariant(list);
    }

    std::optional<QVariant> dictionary(quint64 start, quint64 count, int depth)
    {
        QVariantMap map;
        for (quint64 i = 0; i < count; ++i) {
            quint64 keyRef = 0;
            quint64 valueRef = 0;
            if (!readUnsigned(start + i * m_refSize, m_refSize, &keyRef)
                || !readUnsigned(start + (count + i) * m_refSize, m_refSize, &valueRef))
                return std::nullopt;
            std::optional<QVariant> key = object(keyRef, depth + 1);
            if (!key)
                return std::nullopt;
            if (key->metaType().id() != QMetaType::QString) {
                fail("a dictionary key is not a string");
                return std::nullopt;
            }
            std::optional<QVariant> value = object(valueRef, depth + 1);
            if (!value)
                return std::nullopt;
            map.insert(key->toString(), *value);
        }
        return QVariant(map);
    }

    const uchar* m_data;
    const quint64 m_size;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_topObject = 0;
    quint64 m_objectsEnd = 0;
    std::vector<quint64> m_offsets;
    std::vector<bool> m_visiting;
    QString m_error;
};

}  // namespace

bool BinaryPropertyListReader::looksBinary(const QByteArray& bytes)
{
    return bytes.startsWith("bplist");
}

std::optional<QVariant> BinaryPropertyListReader::read(const QByteArray& bytes, QString* error)
{
    QString reason;
    std::optional<QVariant> root = Decoder(bytes).run(&reason);
    if (!root && error)
        *error = reason;
    return root;
}

}  // namespace korvel
