#include "policy/PSLParser.h"

#include <QStringDecoder>

namespace korvel {

namespace {

// Line breaks of any convention end a line, so a list saved with CR LF reads like the original.
bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

}  // namespace

PSLParse PSLParser::parse(const QByteArray& data)
{
    PSLParse result;
    // Stateless, so bytes cut off inside a character at the end count as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data);
    if (decoder.hasError() || text.isEmpty()) {
        result.error = TLDExtractError::pslParseError();
        return result;
    }

    PSLDataSet& set = result.dataSet;
    set.normals.reserve(size_t(data.count('\n')) + 1);
    const qsizetype size = text.size();
    for (qsizetype start = 0; start <= size;) {
        qsizetype end = start;
        while (end < size && !isLineBreak(text.at(end)))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        start = end + 1;

        if (line.startsWith(QLatin1String("//")) || line.trimmed().isEmpty())
            continue;
        // The untrimmed line is the rule: the list has no stray spaces, and the rules must stay
        // exactly as published.
        if (line.contains(QLatin1Char('*')))
            set.wildcards.append(PSLData::fromLine(line));
        else if (line.startsWith(QLatin1Char('!')))
            set.exceptions.append(PSLData::fromLine(line));
        else
            set.normals.insert(line.toString());
    }
    return result;
}

}  // namespace korvel
