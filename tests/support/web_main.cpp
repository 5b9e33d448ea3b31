#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/StandardRoutes.h"
#include "platform/ui/NavigationStack.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/WebTestServer.h"

#include "platform/Translations.h"
#include "platform/ui/Theme.h"

#include <QApplication>

#include <gtest/gtest.h>

// The engine tests: the local server starts first, so that the engine's command line can send the
// test host names to it; then the real engine starts offscreen.
int main(int argc, char** argv)
{
    korvel::test::WebTestServer& server = korvel::test::WebTestServer::shared();
    const korvel::test::ScopedEnv sandbox("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const korvel::test::ScopedEnv flags("QTWEBENGINE_CHROMIUM_FLAGS", korvel::test::webTestChromiumFlags(server.port()));
    const korvel::test::ScopedEnv platform(
        "QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    korvel::KorvelWebEngine::registerSchemes();
    QApplication application(argc, argv);
    // The screens under test show the words and look of the kiosk, in English whatever the
    // machine's language.
    korvel::Translations::install(QLocale(QLocale::English, QLocale::UnitedStates));
    korvel::Theme::apply(application);
    korvel::NavigationStack::setAnimationsEnabled(false);
    // The ways between the browser's screens, as the shell installs them.
    korvel::Routes::install(korvel::StandardRoutes::make());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
