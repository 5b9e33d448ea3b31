// The document helper's confinement, applied in a child process as korvel-pdf-render applies it:
// what a hostile document running code in the helper could try, and that each attempt fails.
#include "files/render/Sandbox.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvel;

namespace {

// Whether /proc lists any process.
bool processesListed()
{
    DIR* proc = opendir("/proc");
    if (!proc)
        return false;
    bool listed = false;
    while (dirent* entry = readdir(proc))
        listed = listed || (entry->d_name[0] >= '0' && entry->d_name[0] <= '9');
    closedir(proc);
    return listed;
}

}  // namespace

TEST(Sandbox, ADocumentsCodeReachesNeitherTheNetworkNorOtherProcessesNorFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray readable = dir.filePath(QStringLiteral("font.ttf")).toLocal8Bit();
    const QByteArray written = dir.filePath(QStringLiteral("planted")).toLocal8Bit();
    ASSERT_TRUE(QFile(QString::fromLocal8Bit(readable)).open(QIODevice::WriteOnly));
    const pid_t kiosk = getpid();

    const struct {
        const char* attempt;
        std::function<bool()> succeeds;
        bool allowed;
    } attempts[] = {
        {"read a font", [&] { const int fd = open(readable.constData(), O_RDONLY); return fd >= 0 && close(fd) == 0; }, true},
        {"draw on a thread", [] {
             pthread_t thread;
             return pthread_create(&thread, nullptr, [](void*) -> void* { return nullptr; }, nullptr) == 0 && pthread_join(thread, nullptr) == 0;
         }, true},
        {"write a file", [&] { return open(written.constData(), O_WRONLY | O_CREAT, 0600) >= 0; }, false},
        {"open a file for appending", [&] { return open(readable.constData(), O_RDONLY | O_APPEND) >= 0; }, false},
        {"open an internet socket", [] { return socket(AF_INET, SOCK_STREAM, 0) >= 0; }, false},
        {"open a local socket", [] { return socket(AF_UNIX, SOCK_STREAM, 0) >= 0; }, false},
        // Seized, not attached: were it allowed, the kiosk (this test) would not stop.
        {"trace the kiosk", [&] { return ptrace(PTRACE_SEIZE, kiosk, nullptr, nullptr) == 0; }, false},
        {"read the kiosk's memory", [&] {
             char byte = 0;
             char mine = 0;
             const iovec local{&byte, 1};
             const iovec remote{&mine, 1};
             return process_vm_readv(kiosk, &local, 1, &remote, 1, 0) == 1;
         }, false},
        {"signal the kiosk", [&] { return kill(kiosk, 0) == 0; }, false},
        {"start a program", [] { char* argv[] = {const_cast<char*>("/bin/true"), nullptr}; return execv("/bin/true", argv) == 0; }, false},
        {"start a process", [] {
             const pid_t child = fork();
             if (child == 0)
                 _exit(0);
             return child > 0;
         }, false},
        {"take half a gigabyte more", [] {
             void* block = std::malloc(size_t(600) * 1024 * 1024);
             if (block)
                 std::memset(block, 1, 4096);
             return block != nullptr;
         }, false},
        {"see other processes", [] { return processesListed(); }, false},
    };

    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipe[0]);
        Sandbox::Report report = Sandbox::confine(Sandbox::Limits{});
        report.systemCallFilter = Sandbox::restrictSystemCalls();
        QByteArray results;
        results += report.systemCallFilter ? 'F' : 'f';
        results += report.processesHidden ? 'P' : 'p';
        for (const auto& a : attempts)
            results += a.succeeds() ? '1' : '0';
        (void)!write(pipe[1], results.constData(), size_t(results.size()));
        _exit(0);
    }
    close(pipe[1]);
    char buffer[64] = {};
    const ssize_t n = read(pipe[0], buffer, sizeof buffer);
    close(pipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(n, ssize_t(2 + std::size(attempts))) << "the confined child ended early";
    ASSERT_EQ(buffer[0], 'F') << "no system call filter on this machine";
    const bool hidden = buffer[1] == 'P';
    for (size_t i = 0; i < std::size(attempts); ++i) {
        // Where the kernel gave no namespace of its own, /proc still lists processes; that is said
        // in the log of the kiosk, and the filter still keeps them out of reach.
        if (!hidden && std::strcmp(attempts[i].attempt, "see other processes") == 0)
            continue;
        EXPECT_EQ(buffer[2 + i] == '1', attempts[i].allowed) << attempts[i].attempt;
    }
    EXPECT_FALSE(QFile::exists(QString::fromLocal8Bit(written)));
}
