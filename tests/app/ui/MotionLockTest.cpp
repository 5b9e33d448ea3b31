#include "app/ui/MotionLock.h"
#include "platform/Translations.h"
#include "platform/ui/DimmingOverlay.h"
#include "tests/support/WindowTest.h"

#include <QLabel>

using namespace korvel;

namespace {

class MotionLockTest : public test::WindowTest {
protected:
    void TearDown() override
    {
        Translations::install(QLocale(QLocale::English, QLocale::UnitedStates));
        WindowTest::TearDown();
    }
};

}  // namespace

// The lock lives as long as the kiosk; a change of language while it stands, or before it shows,
// must reach its sentence.
TEST_F(MotionLockTest, SentenceFollowsTheLanguage)
{
    DimmingOverlay* lock = MotionLock::make(makeStack());
    ASSERT_TRUE(lock->showOver(stack));
    auto* words = lock->findChild<QLabel*>(QStringLiteral("motionLockText"));
    ASSERT_TRUE(words);
    const QString english = words->text();
    EXPECT_EQ(english, QStringLiteral("The screen is locked while the device is moving."));
    for (const char* language : {"de", "ar", "en"}) {
        ASSERT_TRUE(Translations::install(QLocale(QString::fromLatin1(language))));
        QCoreApplication::processEvents();
        EXPECT_EQ(words->text(), qtTrId("TEXT_MOTION_LOCKED")) << language;
        EXPECT_EQ(words->text() == english, qstrcmp(language, "en") == 0) << language;
    }
}
