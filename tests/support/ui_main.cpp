#include "platform/Translations.h"
#include "platform/ui/Theme.h"
#include "tests/support/ScopedEnv.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; they never need a display. The environment set here holds
// for the whole run.
int main(int argc, char** argv)
{
    const korvel::test::ScopedEnv platform(
        "QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    // The screens under test show the words and look of the kiosk, in English whatever the
    // machine's language.
    korvel::Translations::install(QLocale(QLocale::English, QLocale::UnitedStates));
    korvel::Theme::apply(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
