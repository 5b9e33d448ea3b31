#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

// The bearer token of the remote control API: 32 random bytes, handed out once as text, of which
// only the SHA-256 is kept (owner-only file beside the keychain). A stolen file opens nothing.
namespace RemoteToken {

QString hashFile();
// A new token (43 characters of base64url); its hash replaces the kept one. Nothing, with the
// reason in `error`, when the hash could not be written; the old token then stays valid.
std::optional<QString> renew(QString* error);
// The kept hash (32 bytes); nothing when no token was made or the file is damaged (fails closed).
std::optional<QByteArray> storedHash();
// Whether `presented` is the token of `hash`, compared in constant time.
bool matches(const QByteArray& presented, const QByteArray& hash);
// The token of an "Authorization: Bearer TOKEN" header; empty when the header is not of that form.
QByteArray fromAuthorization(const QByteArray& header);

}  // namespace RemoteToken

}  // namespace korvel
