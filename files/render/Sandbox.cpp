#include "files/render/Sandbox.h"

#include <QtGlobal>

#include <seccomp.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace korvel::Sandbox {

namespace {

bool setLimit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    return setrlimit(resource, &limit) == 0;
}

// Writes `text` into a file of /proc/self (the user namespace's maps).
bool writeSelf(const char* file, const char* text)
{
    const int fd = open(file, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const ssize_t length = ssize_t(std::strlen(text));
    const bool ok = write(fd, text, size_t(length)) == length;
    close(fd);
    return ok;
}

}  // namespace

QJsonObject Report::toJson() const
{
    return QJsonObject{{QStringLiteral("noNewPrivileges"), noNewPrivileges},
                       {QStringLiteral("memoryLimited"), memoryLimited},
                       {QStringLiteral("networkNamespace"), networkNamespace},
                       {QStringLiteral("processesHidden"), processesHidden},
                       {QStringLiteral("systemCallFilter"), systemCallFilter}};
}

void closeInheritedDescriptors(int highestKept)
{
    if (syscall(SYS_close_range, unsigned(highestKept + 1), ~0u, 0u) == 0)
        return;
    // Kernels before 5.9: what /proc lists, else every number up to the limit.
    if (DIR* dir = opendir("/proc/self/fd")) {
        const int own = dirfd(dir);
        while (dirent* entry = readdir(dir)) {
            const int fd = std::atoi(entry->d_name);
            if (fd > highestKept && fd != own)
                close(fd);
        }
        closedir(dir);
        return;
    }
    for (int fd = highestKept + 1; fd < 4096; ++fd)
        close(fd);
}

Report confine(const Limits& limits)
{
    Report report;
    report.memoryLimited = setLimit(RLIMIT_DATA, limits.dataBytes);
    // No file of the device is written, no core of a hostile document is kept, nothing is forked.
    setLimit(RLIMIT_FSIZE, 0);
    setLimit(RLIMIT_CORE, 0);
    setLimit(RLIMIT_NOFILE, limits.openFiles);

    // A user namespace of its own lets an unprivileged process have a network namespace without
    // interfaces and a mount namespace whose /proc shows nothing; as root neither needs one.
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    int flags = CLONE_NEWNET | CLONE_NEWNS;
    if (uid != 0)
        flags |= CLONE_NEWUSER;
    if (unshare(flags) == 0) {
        report.networkNamespace = true;
        if (uid != 0) {
            char map[64];
            std::snprintf(map, sizeof map, "%u %u 1", unsigned(uid), unsigned(uid));
            writeSelf("/proc/self/setgroups", "deny");
            writeSelf("/proc/self/uid_map", map);
            std::snprintf(map, sizeof map, "%u %u 1", unsigned(gid), unsigned(gid));
            writeSelf("/proc/self/gid_map", map);
        }
        // Nothing of this namespace reaches the system's, and /proc is an empty directory here:
        // no other process's memory, environment or files to open.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && mount("none", "/proc", "tmpfs", MS_RDONLY | MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=4k") == 0)
            report.processesHidden = true;
    }
    report.noNewPrivileges = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
    // Other processes of the same user cannot read or trace this one either.
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    return report;
}

bool restrictSystemCalls()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (!filter)
        return false;
    bool ok = true;
    // A call this architecture does not have is simply not admitted.
    const auto allow = [&](int call) { seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0); };
    const int plain[] = {
        SCMP_SYS(read), SCMP_SYS(readv), SCMP_SYS(pread64), SCMP_SYS(write), SCMP_SYS(writev), SCMP_SYS(lseek), SCMP_SYS(close),
        SCMP_SYS(fstat), SCMP_SYS(newfstatat), SCMP_SYS(statx), SCMP_SYS(stat), SCMP_SYS(lstat), SCMP_SYS(access), SCMP_SYS(faccessat),
        SCMP_SYS(faccessat2), SCMP_SYS(getdents64), SCMP_SYS(readlink), SCMP_SYS(readlinkat), SCMP_SYS(fcntl), SCMP_SYS(dup),
        SCMP_SYS(mmap), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(mprotect), SCMP_SYS(madvise), SCMP_SYS(brk),
        SCMP_SYS(futex), SCMP_SYS(poll), SCMP_SYS(ppoll), SCMP_SYS(select), SCMP_SYS(pselect6),
        SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack), SCMP_SYS(restart_syscall),
        SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(getuid), SCMP_SYS(geteuid), SCMP_SYS(getgid), SCMP_SYS(getegid),
        SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday), SCMP_SYS(nanosleep), SCMP_SYS(clock_nanosleep),
        SCMP_SYS(sched_yield), SCMP_SYS(sched_getaffinity), SCMP_SYS(getrandom), SCMP_SYS(uname), SCMP_SYS(sysinfo),
        SCMP_SYS(getcwd), SCMP_SYS(exit), SCMP_SYS(exit_group), SCMP_SYS(membarrier), SCMP_SYS(rseq), SCMP_SYS(set_robust_list),
        SCMP_SYS(eventfd2), SCMP_SYS(fadvise64),
    };
    for (int call : plain)
        allow(call);
    // Files are opened for reading only (fonts); nothing is created, written or truncated.
    const scmp_datum_t writing = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(openat), 1, SCMP_A2(SCMP_CMP_MASKED_EQ, writing, 0)) == 0;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(open), 1, SCMP_A1(SCMP_CMP_MASKED_EQ, writing, 0)) == 0;
    // Threads (the toolkit converts large pictures on a pool of them), never new processes. The
    // newer clone3 hides its flags from the filter; the C library falls back to clone without it.
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1, SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD)) == 0;
    seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
    // Signals only to itself (abort() on a failed allocation raises its own).
    const scmp_datum_t self = scmp_datum_t(getpid());
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(kill), 1, SCMP_A0(SCMP_CMP_EQ, self)) == 0;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_EQ, self)) == 0;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(tkill), 1, SCMP_A0(SCMP_CMP_EQ, self)) == 0;
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

}  // namespace korvel::Sandbox
