#pragma once

#include "transfer/UploadServerControl.h"

namespace korvel {

class KVServerStarter;

// The application's upload server as the imports and the reset see it.
class StarterServerControl final : public UploadServerControl {
public:
    explicit StarterServerControl(KVServerStarter& starter);
    bool isServerRunning() const override;
    void stopServerConnection() override;
    bool startServerConnectionWith(int port) override;
    std::optional<QUrl> documentAddress(const QString& fileName) const override;

private:
    KVServerStarter& m_starter;
};

}  // namespace korvel
