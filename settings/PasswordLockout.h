#pragma once

#include <QDateTime>
#include <QString>

#include <chrono>

namespace korvel {

// Wrong administrator passwords in a row, and the pause they impose on the password prompt: the
// fifth wrong one in a row pauses it for 30 seconds, each further one doubles the pause, up to 15
// minutes. During a pause nothing typed is checked at all. A right password ends the series.
class PasswordLockout {
public:
    static constexpr int failuresBeforePause = 5;
    static constexpr std::chrono::seconds firstPause{30};
    static constexpr std::chrono::seconds longestPause{15 * 60};

    // The pause after `failures` wrong passwords in a row: zero below five.
    static std::chrono::seconds pauseAfter(int failures);

    // How long attempts are still refused at `now`, in whole seconds rounded up; zero when the next
    // one may be checked. A clock set back before the last failure starts the pause again from
    // `now`: it never makes the wait longer than the pause.
    std::chrono::seconds refusal(const QDateTime& now);
    void recordFailure(const QDateTime& now);
    void recordSuccess();
    int failures() const { return m_failures; }

    // The state kept in `file`, so a restart does not end a series. A missing file is no failures;
    // one that cannot be read counts as five failures at `now` (a short pause, not none).
    static PasswordLockout load(const QString& file, const QDateTime& now);
    // Replaces `file` atomically. Returns false when it could not be written.
    bool save(const QString& file) const;
    // Beside the keychain.
    static QString standardFile();

private:
    int m_failures = 0;
    QDateTime m_lastFailure;
};

}  // namespace korvel
