#include "policy/TLDParser.h"

#include <QVarLengthArray>

#include <algorithm>

namespace korvel {

namespace {

// The labels of a lower-cased host as views into it. A run of labels joined with "." is a plain
// substring of the host, so no candidate suffix needs a string of its own.
class Labels {
public:
    explicit Labels(QStringView host) : m_host(host)
    {
        m_starts.append(0);
        for (qsizetype i = 0; i < host.size(); ++i) {
            if (host[i] == QLatin1Char('.'))
                m_starts.append(i + 1);
        }
    }

    qsizetype count() const { return m_starts.size(); }

    QStringView label(qsizetype i) const { return m_host.sliced(m_starts[i], end(i) - m_starts[i]); }

    // Labels first..count()-1 joined with ".".
    QStringView from(qsizetype first) const
    {
        return first < count() ? m_host.sliced(m_starts[first]) : QStringView();
    }

    // Labels first..last joined with ".".
    QStringView range(qsizetype first, qsizetype last) const
    {
        return m_host.sliced(m_starts[first], end(last) - m_starts[first]);
    }

private:
    qsizetype end(qsizetype i) const { return i + 1 < count() ? m_starts[i + 1] - 1 : m_host.size(); }

    QStringView m_host;
    QVarLengthArray<qsizetype, 16> m_starts;
};

bool matches(const PSLData& rule, const Labels& labels)
{
    const qsizetype k = rule.tldParts.size();
    const qsizetype n = labels.count();
    if (n < k)
        return false;
    for (qsizetype i = k - 1; i >= 0; --i) {
        if (!rule.tldParts[i].matches(labels.label(n - k + i)))
            return false;
    }
    return true;
}

// The split when p labels stand in front of the public suffix.
TLDResult splitInFront(const Labels& labels, qsizetype p)
{
    TLDResult result;
    if (p == 0)
        return result;
    result.topLevelDomain = labels.from(p).toString();
    result.rootDomain = labels.from(p - 1).toString();
    result.secondLevelDomain = labels.label(p - 1).toString();
    if (p >= 2)
        result.subDomain = labels.range(0, p - 2).toString();
    return result;
}

}  // namespace

TLDParser::TLDParser(PSLDataSet dataSet)
    : m_pslDataSet(std::move(dataSet))
    , m_exceptionIndex(indexRules(m_pslDataSet.exceptions))
    , m_wildcardIndex(indexRules(m_pslDataSet.wildcards))
{
    for (const QString& rule : m_pslDataSet.normals)
        m_longestNormal = std::max(m_longestNormal, rule.count(QLatin1Char('.')) + 1);
}

TLDParser::RuleIndex TLDParser::indexRules(const QList<PSLData>& rules)
{
    RuleIndex index;
    for (int i = 0; i < rules.size(); ++i) {
        const PSLData& rule = rules.at(i);
        if (rule.tldParts.isEmpty() || rule.tldParts.constLast().kind == PSLDataPart::Kind::wildcard)
            index.anyLastLabel.push_back(i);
        else
            index.byLastLabel[rule.tldParts.constLast().text].push_back(i);
    }
    return index;
}

namespace {

// The first rule in file order that matches: the host's last label picks the candidates, and
// rules ending in "*" are merged in by their position in the file.
template <typename Index>
const PSLData* firstMatch(const QList<PSLData>& rules, const Index& index, const Labels& labels)
{
    static const std::vector<int> none;
    const auto found = index.byLastLabel.find(labels.label(labels.count() - 1));
    const std::vector<int>& named = found == index.byLastLabel.end() ? none : found->second;
    const std::vector<int>& any = index.anyLastLabel;
    size_t a = 0;
    size_t b = 0;
    while (a < named.size() || b < any.size()) {
        const int next = (b == any.size() || (a < named.size() && named[a] < any[b])) ? named[a++] : any[b++];
        if (matches(rules.at(next), labels))
            return &rules.at(next);
    }
    return nullptr;
}

}  // namespace

std::optional<TLDResult> TLDParser::parse(const QString& host, bool quick) const
{
    const QString lower = host.toLower();
    const Labels labels(lower);
    const qsizetype n = labels.count();

    if (!quick) {
        const PSLData* rule = firstMatch(m_pslDataSet.exceptions, m_exceptionIndex, labels);
        if (!rule)
            rule = firstMatch(m_pslDataSet.wildcards, m_wildcardIndex, labels);
        if (rule) {
            const qsizetype k = rule->tldParts.size();
            const qsizetype suffixLabels = rule->isException ? k - 1 : k;
            return splitInFront(labels, n - suffixLabels);
        }
    }

    if (n < 2)
        return std::nullopt;
    // A candidate with more labels than any rule cannot be listed; skipping it keeps the
    // longest-first order and saves the hashing of long hosts.
    for (qsizetype start = std::max<qsizetype>(0, n - m_longestNormal); start < n; ++start) {
        if (m_pslDataSet.normals.find(labels.from(start)) == m_pslDataSet.normals.end())
            continue;
        if (start >= 1)
            return splitInFront(labels, start);
        TLDResult whole;
        if (lower != host)
            whole.topLevelDomain = lower;
        return whole;
    }
    return std::nullopt;
}

}  // namespace korvel
