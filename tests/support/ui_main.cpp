#include "platform/Translations.h"
#include "platform/ui/Theme.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; they never need a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The screens under test show the words and look of the kiosk.
    korvel::Translations::install();
    korvel::Theme::apply(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
