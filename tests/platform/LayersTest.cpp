// The folders are layers in the order the top CMakeLists.txt adds them: a folder includes only
// from folders added before it, and a folder's plain files never include screen code (any ui/);
// a program's main.cpp is where screens are put together.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString source = QStringLiteral(KORVEL_SOURCE_DIR);

// The product's folders, lowest layer first, as the top CMakeLists.txt adds them.
QStringList layers()
{
    QFile file(source + QStringLiteral("/CMakeLists.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList order;
    const QRegularExpression add(QStringLiteral(R"(^add_subdirectory\((\w+)\))"), QRegularExpression::MultilineOption);
    for (auto it = add.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
        const QString folder = it.next().captured(1);
        if (folder == QLatin1String("tests"))
            break;
        order << folder;
    }
    return order;
}

// Each include of one of the product's folders that breaks the order, as "file: include".
QStringList upwardIncludes(const QStringList& order, const QString& root)
{
    QStringList found;
    const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"(\w+)/([^"]+)")re"), QRegularExpression::MultilineOption);
    for (int layer = 0; layer < order.size(); ++layer) {
        QDirIterator it(root + QLatin1Char('/') + order.at(layer), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString relative = path.mid(root.size() + 1);
            // A program's main() puts the screens together: it is no plain code.
            const bool plain = !relative.section(QLatin1Char('/'), 1).startsWith(QLatin1String("ui/"))
                               && !relative.endsWith(QLatin1String("/main.cpp"));
            for (auto m = include.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
                const QRegularExpressionMatch match = m.next();
                const qsizetype target = order.indexOf(match.captured(1));
                const bool screen = match.captured(2).startsWith(QLatin1String("ui/"));
                if (target > layer || (plain && screen))
                    found << relative + QStringLiteral(": ") + match.captured(1) + QLatin1Char('/') + match.captured(2);
            }
        }
    }
    return found;
}

// Pairs of units (a header with its source) under `folder` that include each other, as "a <> b".
QStringList mutualIncludes(const QString& root, const QString& folder)
{
    QHash<QString, QSet<QString>> includes;
    const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)\.h")re"), QRegularExpression::MultilineOption);
    QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString unit = path.mid(root.size() + 1).section(QLatin1Char('.'), 0, 0);
        QSet<QString>& used = includes[unit];
        for (auto m = include.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();)
            used.insert(m.next().captured(1));
    }
    QStringList pairs;
    for (auto unit = includes.cbegin(); unit != includes.cend(); ++unit) {
        for (const QString& other : unit.value()) {
            if (unit.key() < other && includes.value(other).contains(unit.key()))
                pairs << unit.key() + QStringLiteral(" <> ") + other;
        }
    }
    pairs.sort();
    return pairs;
}

}  // namespace

// Screens reach each other through the routes, so the browser's units seldom know each other both
// ways: one such pair at most.
TEST(Layers, TheBrowsersUnitsIncludeEachOtherAtMostOnce)
{
    EXPECT_LE(mutualIncludes(source, QStringLiteral("browser")).size(), 1) << mutualIncludes(source, QStringLiteral("browser")).join(u'\n').toStdString();
}

TEST(Layers, NoFolderIncludesFromAFolderAboveItNorPlainCodeFromScreens)
{
    const QStringList order = layers();
    ASSERT_GE(order.size(), 10) << "the layer order is read from the top CMakeLists.txt";
    EXPECT_EQ(order.first(), QStringLiteral("platform"));
    EXPECT_EQ(upwardIncludes(order, source), QStringList());
}

// The scan itself: an upward include and a plain file reaching for a screen are both found.
TEST(Layers, TheScanFindsWhatBreaksTheOrder)
{
    const QString root = QDir::tempPath() + QStringLiteral("/korvel-layers-test");
    QDir(root).removeRecursively();
    for (const char* folder : {"low/ui", "high"})
        ASSERT_TRUE(QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder)));
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(root + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("low/Rule.h", "#include \"high/Thing.h\"\n#include \"low/ui/Screen.h\"\n");
    write("low/ui/Screen.cpp", "#include \"low/Rule.h\"\n");
    write("high/Thing.cpp", "#include \"low/ui/Screen.h\"\n");
    EXPECT_EQ(upwardIncludes({QStringLiteral("low"), QStringLiteral("high")}, root),
              (QStringList{QStringLiteral("low/Rule.h: high/Thing.h"), QStringLiteral("low/Rule.h: low/ui/Screen.h"),
                           QStringLiteral("high/Thing.cpp: low/ui/Screen.h")}));
    EXPECT_EQ(mutualIncludes(root, QStringLiteral("low")), QStringList{QStringLiteral("low/Rule <> low/ui/Screen")});
    QDir(root).removeRecursively();
}
