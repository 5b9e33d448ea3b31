#include "transfer/CloudQrCode.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace qr = korvel::CloudQrCode;

TEST(CloudQrCode, ImagesReadBackAsTheirIdWithSharpModules)
{
    for (const QString& id : {QStringLiteral("a3F9kQ2mZx7LwP4tR8vB"), QStringLiteral("0123456789"), QString(200, QLatin1Char('x')),
                              QStringLiteral("Zürich-Kiosk-Ω")}) {
        const QImage code = qr::image(id);
        ASSERT_FALSE(code.isNull()) << qPrintable(id);
        // Ten pixels per module: the picture is a whole number of modules, each one flat.
        ASSERT_EQ(code.width() % 10, 0);
        for (int y = 0; y < code.height(); y += 10) {
            for (int x = 0; x < code.width(); x += 10)
                ASSERT_EQ(code.pixel(x, y), code.pixel(x + 9, y + 9)) << "module at " << x / 10 << "," << y / 10;
        }
        EXPECT_EQ(qr::read(code), id);
        // As a camera sees it: smaller, on a grey background.
        QImage photo(code.width() + 200, code.height() + 120, QImage::Format_RGB32);
        photo.fill(QColor(120, 120, 120));
        QPainter(&photo).drawImage(QRect(60, 40, code.width() * 3 / 5, code.height() * 3 / 5), code);
        EXPECT_EQ(qr::read(photo), id) << qPrintable(id);
    }
    QImage blank(400, 400, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(qr::read(blank), std::nullopt);
    EXPECT_EQ(qr::read(QImage()), std::nullopt);
}

TEST(CloudQrCode, OnlyPlausibleIdsAreTakenFromACode)
{
    const struct {
        QString text;
        bool plausible;
    } cases[] = {
        {QStringLiteral("a3F9kQ2mZx7LwP4tR8vB"), true},
        {QString(200, QLatin1Char('x')), true},
        {QString(201, QLatin1Char('x')), false},
        {QString(), false},
        {QStringLiteral("abc\ndef"), false},
        {QStringLiteral("abc\u202Edef"), false},  // right-to-left override
        {QStringLiteral("abc\x01" "def"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qr::isPlausibleId(c.text), c.plausible) << qPrintable(c.text);
}
