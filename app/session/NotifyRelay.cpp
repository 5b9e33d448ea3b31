// korvel-notify-relay COMMAND [ARGUMENTS...]
//
// Runs COMMAND (the compositor, which runs Korvel) and passes Korvel's readiness and watchdog
// messages on to systemd as the service's main process. A unit with PAMName= has its processes
// moved into the logind session's scope, and systemd then takes notifications from them for the
// scope, not for the service: READY=1 never arrived, and the start timed out. The main process
// itself is always heard. Only READY=1, WATCHDOG=1, STOPPING=1 and STATUS= lines are passed on; a
// child cannot name another main process or hand over file descriptors.
// Without NOTIFY_SOCKET the command simply runs; messages from other users are ignored. Passes
// SIGTERM and SIGINT on to the command and then exits with 0; otherwise exits with the command's
// status (128 + the signal's number when a signal ended it).
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool fillAddress(const std::string& path, sockaddr_un& address, socklen_t& length)
{
    if (path.empty() || path.size() >= sizeof(address.sun_path) || (path[0] != '/' && path[0] != '@'))
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    // An abstract socket's name starts with a zero byte and is not terminated.
    if (path[0] == '@')
        address.sun_path[0] = '\0';
    length = socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (path[0] == '/' ? 1 : 0));
    return true;
}

// The lines of `message` that the service manager may hear from the kiosk.
std::string permitted(const std::string& message)
{
    std::string out;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.find('\n', start);
        if (end == std::string::npos)
            end = message.size();
        const std::string line = message.substr(start, end - start);
        if (line == "READY=1" || line == "WATCHDOG=1" || line == "STOPPING=1" || line.rfind("STATUS=", 0) == 0)
            out += line + '\n';
        start = end + 1;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvel-notify-relay COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    const char* upstream = std::getenv("NOTIFY_SOCKET");
    sockaddr_un upstreamAddress{};
    socklen_t upstreamLength = 0;
    const bool relaying = upstream && fillAddress(upstream, upstreamAddress, upstreamLength);

    // The children's socket: abstract, named after this process, so nothing is left on disk.
    int relay = -1;
    std::string relayName;
    if (relaying) {
        relayName = "@korvel-notify-" + std::to_string(getpid());
        sockaddr_un address{};
        socklen_t length = 0;
        relay = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        const int on = 1;
        // An abstract socket has no file permissions: only this user's processes are listened to.
        if (relay < 0 || !fillAddress(relayName, address, length) || setsockopt(relay, SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0
            || bind(relay, reinterpret_cast<sockaddr*>(&address), length) != 0) {
            std::fprintf(stderr, "korvel-notify-relay: cannot make the relay socket: %s\n", std::strerror(errno));
            return 1;
        }
    }

    sigset_t handled;
    sigemptyset(&handled);
    sigaddset(&handled, SIGCHLD);
    sigaddset(&handled, SIGTERM);
    sigaddset(&handled, SIGINT);
    sigprocmask(SIG_BLOCK, &handled, nullptr);
    const int signals = signalfd(-1, &handled, SFD_CLOEXEC);
    if (signals < 0) {
        std::fprintf(stderr, "korvel-notify-relay: %s\n", std::strerror(errno));
        return 1;
    }

    const pid_t child = fork();
    if (child < 0) {
        std::fprintf(stderr, "korvel-notify-relay: cannot start %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    if (child == 0) {
        sigprocmask(SIG_UNBLOCK, &handled, nullptr);
        if (relaying)
            setenv("NOTIFY_SOCKET", relayName.c_str(), 1);
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "korvel-notify-relay: cannot run %s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }

    const int out = relaying ? socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0) : -1;
    bool stopRequested = false;
    for (;;) {
        pollfd watched[2] = {{signals, POLLIN, 0}, {relay, POLLIN, 0}};
        if (poll(watched, relaying ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (relaying && (watched[1].revents & POLLIN)) {
            char buffer[4096];
            alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
            iovec part{buffer, sizeof buffer};
            msghdr header{};
            header.msg_iov = &part;
            header.msg_iovlen = 1;
            header.msg_control = control;
            header.msg_controllen = sizeof control;
            const ssize_t received = recvmsg(relay, &header, MSG_CMSG_CLOEXEC);
            const cmsghdr* credentials = received > 0 ? CMSG_FIRSTHDR(&header) : nullptr;
            ucred sender{};
            if (credentials && credentials->cmsg_level == SOL_SOCKET && credentials->cmsg_type == SCM_CREDENTIALS)
                std::memcpy(&sender, CMSG_DATA(credentials), sizeof sender);
            if (received > 0 && credentials && sender.uid == getuid()) {
                const std::string message = permitted(std::string(buffer, std::size_t(received)));
                if (!message.empty())
                    sendto(out, message.data(), message.size(), MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&upstreamAddress), upstreamLength);
            }
        }
        if (!(watched[0].revents & POLLIN))
            continue;
        signalfd_siginfo info{};
        if (read(signals, &info, sizeof info) != ssize_t(sizeof info))
            continue;
        if (info.ssi_signo == SIGTERM || info.ssi_signo == SIGINT) {
            stopRequested = true;
            kill(child, int(info.ssi_signo));
            continue;
        }
        int status = 0;
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended != child)
            continue;
        // A stop that was asked for and happened is a success, however the command took it: cage
        // 0.1.4 aborts while it shuts down, and a stop of the kiosk must not count as its failure.
        if (stopRequested)
            return 0;
        if (WIFEXITED(status))
            return WEXITSTATUS(status);
        return 128 + WTERMSIG(status);
    }
    return 1;
}
