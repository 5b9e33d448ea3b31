#pragma once

#include <QByteArray>
#include <QString>

namespace korvel {

// Sends the event-log entries to the systemd journal as well, at their JournalPriority and with
// the entry's category in a field of its own (KORVEL_CATEGORY), so that fleets collect the kiosks'
// logs with journald forwarding or rsyslog. Speaks the journal's native datagram protocol; where no journal runs nothing is sent.
class JournalForwarder {
public:
    static constexpr const char* defaultSocket = "/run/systemd/journal/socket";

    // On unless turned off (korvel --no-journal, or KORVEL_JOURNAL=off in the environment).
    static bool isEnabled();
    static void setEnabled(bool enabled);
    // Where the journal listens (tests put a stand-in there).
    static void setSocketPath(const QString& path);

    // Sends one entry at its priority (JournalPriority); false when it could not be sent, or is
    // not meant for the journal.
    static bool send(const QString& category, const QString& message);
    // The datagram for one entry: the fields in the journal's export form, a field whose value has
    // a line break in its length-prefixed binary form.
    static QByteArray datagram(const QString& category, const QString& message, int priority);
};

}  // namespace korvel
