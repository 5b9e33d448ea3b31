#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace korvel {

class AtomicFile;

// Status codes of keychain operations, the values the rest of the program expects from a keychain.
namespace KeychainStatus {
inline constexpr int success = 0;
inline constexpr int ioError = -36;            // the keychain file could not be written
inline constexpr int itemNotFound = -25300;
inline constexpr int duplicateItem = -25299;
inline constexpr int decodeError = -26275;     // the keychain file is damaged
}  // namespace KeychainStatus

// Generic-password items identified by (service, account), kept in a property-list file that only
// its owner may read (mode 0600). The file is read for every operation, so several processes on
// one home directory (korvel and korvelctl) see each other's changes.
class Keychain {
public:
    explicit Keychain(QString file);

    // The keychain over Paths::keychainFile().
    static Keychain standard();

    int copyMatching(const QString& service, const QString& account, QByteArray* data) const;
    int add(const QString& service, const QString& account, const QByteArray& data);
    int update(const QString& service, const QString& account, const QByteArray& data);
    int remove(const QString& service, const QString& account);
    // The keychain with the item added or updated, written beside the file for a FileTransaction to
    // put in place together with other files; nullptr with the status in `status` when the
    // keychain cannot be read (damaged) or written.
    std::unique_ptr<AtomicFile> stageSet(const QString& service, const QString& account, const QByteArray& data, int* status);

    // Moves a damaged keychain file aside (to the same name with ".damaged", replacing an older
    // copy there), so that the next add starts a new keychain; the old bytes stay for whoever
    // looks into the damage. Returns false when the file could not be moved.
    bool setAside();

private:
    const QString m_file;
};

}  // namespace korvel
