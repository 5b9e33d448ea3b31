#include "app/StarterServerControl.h"

#include "files/KVServerStarter.h"

namespace korvel {

StarterServerControl::StarterServerControl(KVServerStarter& starter)
    : m_starter(starter)
{
}

bool StarterServerControl::isServerRunning() const
{
    return m_starter.isServerRunning();
}

void StarterServerControl::stopServerConnection()
{
    m_starter.stopServerConnection();
}

bool StarterServerControl::startServerConnectionWith(int port)
{
    return m_starter.startServerConnectionWith(port);
}

}  // namespace korvel
