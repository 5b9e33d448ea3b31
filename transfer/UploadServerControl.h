#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

// What an import or a reset does to the upload server: the server lives in files/, below this
// folder, so the application installs its own KVServerStarter behind this (ImportExport::
// setServerControl). Where none is installed (korvelctl, whose process runs no server) there is
// no server to stop or restart.
class UploadServerControl {
public:
    virtual ~UploadServerControl() = default;
    virtual bool isServerRunning() const = 0;
    virtual void stopServerConnection() = 0;
    // Returns false when the server could not listen on `port`.
    virtual bool startServerConnectionWith(int port) = 0;
    // Where another computer of the local network fetches a file of Documents from the running
    // server; nullopt while it does not run or the device has no such address.
    virtual std::optional<QUrl> documentAddress(const QString& fileName) const
    {
        Q_UNUSED(fileName);
        return std::nullopt;
    }
};

}  // namespace korvel
