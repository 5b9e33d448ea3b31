#include "policy/TLDExtract.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>
#include <libpsl.h>

#include <algorithm>
#include <iostream>
#include <map>

namespace korvel {
namespace {

// The frozen list's rules by kind, as its lines give them.
struct RuleLists {
    explicit RuleLists(const QString& text)
    {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("//")) || line.trimmed().isEmpty())
                continue;
            if (line.contains(QLatin1Char('*')) || line.startsWith(QLatin1Char('!')))
                (line.contains(QLatin1Char('*')) ? wildcards : exceptions).append(line);
            else
                normals.insert(line);
        }
    }

    QStringList exceptions;
    QStringList wildcards;
    QSet<QString> normals;
};

QString frozenText()
{
    QFile file(TLDExtract::resourcePath(true));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

struct RuleHost {
    QString host;
    QString rule;  // the line of the list it was made for
};

// Hosts that exercise every rule: the rule itself (with "*" as a label and without "!"), one and
// two labels in front of it, the upper-case form, and the base a wildcard stands on.
std::vector<RuleHost> hostsForEveryRule(const RuleLists& reference)
{
    std::vector<RuleHost> hosts;
    const auto add = [&](const QString& name, const QString& rule) {
        for (const QString& host : {name, QStringLiteral("x.") + name, QStringLiteral("a.b.") + name,
                                    QStringLiteral("A.B.") + name.toUpper()})
            hosts.push_back({host, rule});
    };
    for (const QString& rule : reference.normals)
        add(rule, rule);
    for (const QString& rule : reference.wildcards) {
        add(QString(rule).replace(QLatin1Char('*'), QLatin1Char('w')), rule);
        if (rule.startsWith(QLatin1String("*.")))
            hosts.push_back({rule.mid(2), rule});
    }
    for (const QString& rule : reference.exceptions)
        add(rule.mid(1), rule);
    return hosts;
}

std::string describe(const std::optional<TLDResult>& result)
{
    if (!result)
        return "<none>";
    const auto part = [](const std::optional<QString>& value) { return value ? value->toStdString() : "-"; };
    return part(result->rootDomain) + "|" + part(result->topLevelDomain) + "|" + part(result->secondLevelDomain)
        + "|" + part(result->subDomain);
}

// What every split must satisfy, whichever rule made it.
bool consistent(const QString& host, const std::optional<TLDResult>& result)
{
    if (!result || !result->rootDomain)
        return !result || (!result->secondLevelDomain && !result->subDomain);
    const QString lower = host.toLower();
    if (!result->topLevelDomain || !result->secondLevelDomain)
        return false;
    if (*result->rootDomain != *result->secondLevelDomain + QLatin1Char('.') + *result->topLevelDomain)
        return false;
    if (result->secondLevelDomain->contains(QLatin1Char('.')))
        return false;
    return result->subDomain ? lower == *result->subDomain + QLatin1Char('.') + *result->rootDomain
                             : lower == *result->rootDomain;
}

// How many labels the first wildcard rule in file order that matches the host has, and how many the
// longest matching one has (0 when none matches).
std::pair<qsizetype, qsizetype> matchingWildcards(const RuleLists& reference, const QString& host)
{
    const QStringList labels = host.split(QLatin1Char('.'));
    qsizetype first = 0;
    qsizetype longest = 0;
    for (const QString& rule : reference.wildcards) {
        const QStringList parts = rule.split(QLatin1Char('.'));
        bool match = labels.size() >= parts.size();
        for (qsizetype i = 0; match && i < parts.size(); ++i)
            match = parts[i] == QLatin1String("*") || parts[i] == labels[labels.size() - parts.size() + i];
        if (match) {
            first = first ? first : parts.size();
            longest = std::max(longest, parts.size());
        }
    }
    return {first, longest};
}

// libpsl implements the list's own algorithm and is the oracle for every rule of the frozen list.
// Ours differs on purpose in two known ways, and every disagreement must be one of them:
// - the base a wildcard stands on ("kawasaki.jp" under "*.kawasaki.jp") is a public suffix to
//   libpsl; here only the rules that match it count ("jp"), so it has a root domain;
// - the first matching wildcard in file order decides here ("*.customer-oci.com" before
//   "*.oci.customer-oci.com"), where libpsl takes the longest.
// Whatever the root, every split must be whole: its parts give back the host.
TEST(TLDParser, AgreesWithLibpslOnEveryRuleExceptTheKnownKinds)
{
    const RuleLists reference(frozenText());
    const TLDExtractCreation created = TLDExtract::create(true);
    ASSERT_TRUE(created.ok());
    const TLDParser& parser = created.extract->tldParser();
    ASSERT_GT(reference.normals.size(), 5000);
    ASSERT_EQ(parser.pslDataSet().exceptions.size(), reference.exceptions.size());
    ASSERT_EQ(parser.pslDataSet().wildcards.size(), reference.wildcards.size());
    ASSERT_EQ(parser.pslDataSet().normals.size(), size_t(reference.normals.size()));
    psl_ctx_t* psl = psl_load_file(TLDExtract::resourcePath(true).toLocal8Bit().constData());
    ASSERT_NE(psl, nullptr);
    QSet<QString> wildcardBases;
    for (const QString& rule : reference.wildcards)
        wildcardBases.insert(rule.mid(2));

    std::map<std::string, std::pair<int, std::string>> kinds;  // kind -> count, an example
    int compared = 0;
    int broken = 0;
    for (const RuleHost& c : hostsForEveryRule(reference)) {
        const std::optional<TLDResult> ours = parser.parse(c.host, false);
        if (!consistent(c.host, ours) && ++broken <= 20)
            ADD_FAILURE() << c.host.toStdString() << " (rule " << c.rule.toStdString() << "): " << describe(ours);
        // libpsl wants lower-case input and matches punycode as well as UTF-8; keep to what both read alike.
        bool ascii = true;
        for (QChar ch : c.host)
            ascii = ascii && ch.unicode() < 0x80 && !ch.isUpper();
        if (!ascii)
            continue;
        ++compared;
        const QByteArray host = c.host.toUtf8();  // libpsl answers with a pointer into it
        const char* theirs = psl_registrable_domain(psl, host.constData());
        const std::string ourRoot = ours && ours->rootDomain ? ours->rootDomain->toStdString() : "-";
        const std::string theirRoot = theirs ? theirs : "-";
        // The upper-case twin of each host must split alike.
        const std::optional<TLDResult> upper = parser.parse(c.host.toUpper(), false);
        EXPECT_EQ(upper && upper->rootDomain ? upper->rootDomain->toStdString() : "-", ourRoot) << host.constData();
        if (ourRoot == theirRoot)
            continue;
        const auto [first, longest] = matchingWildcards(reference, c.host);
        std::string kind = "unexplained";
        if (wildcardBases.contains(c.host) && !theirs)
            kind = "wildcard base is a suffix to libpsl";
        else if (first && first < longest)
            kind = "earlier shorter wildcard decides here";
        auto& [count, example] = kinds[kind];
        if (count++ == 0)
            example = c.host.toStdString() + ": here " + ourRoot + ", libpsl " + theirRoot;
    }
    psl_free(psl);

    EXPECT_EQ(broken, 0);
    EXPECT_GT(compared, 20000);
    for (const auto& [kind, seen] : kinds)
        std::cout << "[ libpsl   ] " << kind << ": " << seen.first << " hosts, e.g. " << seen.second << '\n';
    EXPECT_FALSE(kinds.contains("unexplained")) << kinds["unexplained"].second;
}

}  // namespace
}  // namespace korvel
