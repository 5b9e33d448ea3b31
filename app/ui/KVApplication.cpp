#include "app/ui/KVApplication.h"

#include "platform/Version.h"

namespace korvel {

KVApplication::KVApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("korvel"));
    setApplicationDisplayName(QString::fromUtf8(version::displayName));
    setApplicationVersion(QString::fromUtf8(version::shortVersion));
    // A kiosk has no "last window closed" moment of its own: only the system ends it.
    setQuitOnLastWindowClosed(false);
}

}  // namespace korvel
