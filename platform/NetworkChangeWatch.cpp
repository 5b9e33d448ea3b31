#include "platform/NetworkChangeWatch.h"

#include <QSocketNotifier>

#include <cerrno>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvel {

NetworkChangeWatch::NetworkChangeWatch(QObject* parent)
    : QObject(parent)
{
    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd < 0)
        return;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR | RTMGRP_IPV4_ROUTE | RTMGRP_IPV6_ROUTE;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &NetworkChangeWatch::drain);
}

NetworkChangeWatch::~NetworkChangeWatch()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void NetworkChangeWatch::drain()
{
    // What changed does not matter to the readers, only that something did. An overrun (ENOBUFS)
    // lost messages, which is a change as well.
    char buffer[8192];
    bool any = false;
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0 || (n < 0 && errno == ENOBUFS)) {
            any = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (any)
        Q_EMIT changed();
}

}  // namespace korvel
