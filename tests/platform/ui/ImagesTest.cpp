#include "platform/ui/Images.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Each window asks for its toolbar's icons again. Asked twice, an image must be the same icon: the
// SVG engine keeps what it renders in the shared pixmap cache under the icon's identity, so a fresh
// icon per window would fill that cache with copies, window after window.
TEST(Images, AnIconIsMadeOncePerImageAndDirection)
{
    struct Case {
        const char* name;
        Qt::LayoutDirection direction;
    };
    const Case cases[] = {
        {"search_settings", Qt::LeftToRight},
        {"tab_add_icon.png", Qt::LeftToRight},  // the extension is ignored
        {"navigation_back_category", Qt::LeftToRight},
        {"navigation_back_category", Qt::RightToLeft},  // mirrored, drawn from pixmaps
        {"search_settings", Qt::RightToLeft},
    };
    for (const Case& c : cases) {
        QGuiApplication::setLayoutDirection(c.direction);
        const QIcon first = Images::icon(QString::fromLatin1(c.name));
        const QIcon again = Images::icon(QString::fromLatin1(c.name));
        EXPECT_FALSE(first.isNull()) << c.name;
        EXPECT_EQ(first.cacheKey(), again.cacheKey()) << c.name << " " << c.direction;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

TEST(Images, AnArrowPointsTheWayTheScreenReadsAndOtherIconsDoNot)
{
    const auto drawn = [](const char* name, Qt::LayoutDirection direction) {
        QGuiApplication::setLayoutDirection(direction);
        const QImage image = Images::icon(QString::fromLatin1(name)).pixmap(48, 48).toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        return image;
    };
    const QImage back = drawn("navigation_back_category", Qt::LeftToRight);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(drawn("navigation_back_category", Qt::RightToLeft), back.mirrored(true, false));
    EXPECT_EQ(drawn("search_settings", Qt::RightToLeft), drawn("search_settings", Qt::LeftToRight));
    EXPECT_TRUE(Images::icon(QStringLiteral("no_such_image")).isNull());
}

}  // namespace
}  // namespace korvel
