#include "transfer/ui/TransferRoutes.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "tests/support/WindowTest.h"
#include "transfer/CloudQrCode.h"
#include "transfer/ui/KVScanQRForImportViewController.h"

#include <QPushButton>

namespace korvel {
namespace {

// Without a camera (as here) the code comes from a picture of Documents chosen with the picker.
class ScanQrScreenTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeStack(new Screen);
        scan = new KVScanQRForImportViewController;
        scan->setScanned([this](const QString& id) { scanned.append(id); });
        stack->push(scan, Animation::None);
        TransferRoutes::install({[this](Screen*, std::function<void(const QString&)> chosen) { chosen(picture); }});
    }
    void TearDown() override
    {
        TransferRoutes::install({});
        WindowTest::TearDown();
    }
    QString save(const QImage& image, const char* name)
    {
        const QString path = documents() + QLatin1Char('/') + QLatin1String(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QStringList toasts() const
    {
        QStringList texts;
        for (Toast* toast : Toast::visibleToasts(scan))
            texts << toast->text();
        return texts;
    }

    QPointer<KVScanQRForImportViewController> scan;
    QString picture;
    QStringList scanned;
};

TEST_F(ScanQrScreenTest, APictureWithAPlausibleIdEndsTheScan)
{
    ASSERT_FALSE(scan->hasCamera()) << "this test expects a machine without a camera";
    QPushButton* choose = scan->findChild<QPushButton*>();
    ASSERT_NE(choose, nullptr);

    QImage blank(300, 300, QImage::Format_RGB32);
    blank.fill(Qt::white);
    picture = save(blank, "blank.png");
    choose->click();
    EXPECT_EQ(toasts(), QStringList{QStringLiteral("There is no QR code in this picture.")});

    picture = save(CloudQrCode::image(QStringLiteral("id\x01with-a-control-character")), "odd.png");
    choose->click();
    EXPECT_TRUE(toasts().contains(QStringLiteral("Invalid ID")));
    EXPECT_TRUE(scanned.isEmpty());
    EXPECT_EQ(stack->topScreen(), scan.data());

    picture = save(CloudQrCode::image(QStringLiteral("a3F9kQ2mZx7LwP4tR8vB")), "fleet.png");
    choose->click();
    EXPECT_EQ(scanned, QStringList{QStringLiteral("a3F9kQ2mZx7LwP4tR8vB")});
    EXPECT_NE(stack->topScreen(), scan.data());
}

}  // namespace
}  // namespace korvel
