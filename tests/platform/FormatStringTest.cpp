#include "platform/FormatString.h"

#include <QUrl>

#include <gtest/gtest.h>

using korvel::formatString;

TEST(FormatString, FillsEveryDirective)
{
    const struct {
        QString got;
        const char* expected;
    } cases[] = {
        {formatString(QStringLiteral("URL_Blocked<%@>"), QStringLiteral("http://a.test/")), "URL_Blocked<http://a.test/>"},
        {formatString(QStringLiteral("%@"), QUrl(QStringLiteral("http://a.test/x y"))), "http://a.test/x%20y"},
        {formatString(QStringLiteral("%@ %@"), qint64(8080), 0.5), "8080 0.5"},
        {formatString(QStringLiteral("%@"), QVariant()), "(null)"},
        {formatString(QStringLiteral("AutoImport Periodicity Changed: %i"), 1), "AutoImport Periodicity Changed: 1"},
        {formatString(QStringLiteral("%d|%ld|%u"), -3, qint64(1) << 40, 7u), "-3|1099511627776|7"},
        {formatString(QStringLiteral("AutoImportEnable Changed: %hhd"), true), "AutoImportEnable Changed: 1"},
        {formatString(QStringLiteral("%hhd"), false), "0"},
        {formatString(QStringLiteral("%f"), 1.5), "1.500000"},
        {formatString(QStringLiteral("100%% of %@"), "text"), "100% of text"},
        {formatString(QStringLiteral("missing <%@> and <%d>")), "missing <> and <>"},
        {formatString(QStringLiteral("unknown %q stays"), 1), "unknown %q stays"},
        {formatString(QStringLiteral("trailing %")), "trailing %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, QString::fromUtf8(c.expected));
}
