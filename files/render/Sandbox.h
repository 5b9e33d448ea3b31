#pragma once

#include <QJsonObject>

#include <cstdint>

namespace korvel {

// What the document helper gives up before it reads a byte of a document: other processes, the
// network, new privileges, files to write, and memory beyond a limit. Each step is taken where the
// system allows it and reported; none of them needs privileges.
namespace Sandbox {

struct Limits {
    std::uint64_t dataBytes = 512ull * 1024 * 1024;  // heap and anonymous memory
    std::uint64_t openFiles = 64;
};

struct Report {
    bool noNewPrivileges = false;
    bool memoryLimited = false;
    // A network namespace of its own without interfaces, and a /proc without other processes.
    bool networkNamespace = false;
    bool processesHidden = false;
    bool systemCallFilter = false;

    QJsonObject toJson() const;
};

// Closes every descriptor above `highestKept` that the starting process left open.
void closeInheritedDescriptors(int highestKept);

// The limits, a namespace of its own (network and a /proc that shows none of the other processes)
// where the kernel allows one, and no new privileges. Call before any thread exists.
Report confine(const Limits& limits);

// Admits only the system calls a document needs from now on: reading what is open, memory, the
// clock, read-only opening of files (fonts), writing to what is open. Sockets, process control
// (ptrace, other processes' memory, signals to others), new programs and processes, mounts and
// writable opening fail with EPERM. Returns false where the kernel or libseccomp offers no filter.
bool restrictSystemCalls();

}  // namespace Sandbox

}  // namespace korvel
