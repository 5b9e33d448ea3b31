#include "policy/TLDExtract.h"

#include "platform/Paths.h"
#include "policy/PSLParser.h"

#include <QFile>

namespace korvel {

TLDExtractCreation TLDExtract::create(bool useFrozenData)
{
    return fromFile(resourcePath(useFrozenData));
}

QString TLDExtract::resourcePath(bool useFrozenData)
{
    return Paths::resourceFile(useFrozenData ? QStringLiteral("public_suffix_list_frozen.dat")
                                             : QStringLiteral("public_suffix_list.dat"));
}

TLDExtractCreation TLDExtract::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, TLDExtractError::pslParseError(file.errorString())};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, TLDExtractError::pslParseError(file.errorString())};
    return fromData(data);
}

TLDExtractCreation TLDExtract::fromData(const QByteArray& data)
{
    PSLParse parsed = PSLParser::parse(data);
    if (!parsed.ok())
        return {std::nullopt, parsed.error};
    return {TLDExtract(TLDParser(std::move(parsed.dataSet))), std::nullopt};
}

std::optional<TLDResult> TLDExtract::parse(const TLDExtractable& source, bool quick) const
{
    const std::optional<QString> host = source.hostname();
    if (!host)
        return std::nullopt;
    return m_tldParser.parse(*host, quick);
}

}  // namespace korvel
