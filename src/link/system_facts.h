// The facts about this computer that the connection check looks at: the device file, the
// user and the groups, the other processes and their open files, lock files, installed
// packages and USB adapters. The program asks the system; tests give a made-up computer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rse {

enum class NodeKind { Missing, CharDevice, Regular, Directory, Other };

// What stat() says about a path (symbolic links followed).
struct DeviceStatus {
    int error = 0;       // 0, or the system's error number (ENOENT: there is no such file)
    std::string reason;  // the system's description of the error
    NodeKind kind = NodeKind::Missing;
    std::string resolved;  // the path with every symbolic link followed
    unsigned uid = 0;
    unsigned gid = 0;
    unsigned mode = 0;  // permission bits, e.g. 0660
};

// Opening the device for reading and writing, closed again at once.
struct OpenAttempt {
    int error = 0;  // 0 when it opened
    std::string reason;
    bool isTerminal = false;  // the opened device is a terminal (a serial port)
};

// The user this program runs as.
struct Identity {
    int pid = 0;
    unsigned uid = 0;
    std::string userName;  // empty when the user has no entry in the user database
    // The groups this process has (effective and supplementary).
    std::vector<unsigned> processGroups;
    // The groups the group database gives the user now; a new login brings them.
    std::vector<unsigned> databaseGroups;
};

// One open file of a process.
struct OpenFile {
    std::string target;  // where /proc/PID/fd/N leads
    int ptyIndex = -1;   // for the master side of a pseudo-terminal: its number, when known
};

struct ProcessInfo {
    int pid = 0;
    std::string command;
    bool filesReadable = true;  // false when its open files could not be looked at
    std::vector<OpenFile> files;
};

struct UsbId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const UsbId&) const = default;
};

class SystemFacts {
  public:
    virtual ~SystemFacts() = default;

    virtual DeviceStatus Status(const std::string& path) = 0;
    virtual OpenAttempt TryOpen(const std::string& path) = 0;
    virtual Identity Self() = 0;
    // Names from the user and group databases; empty when unknown.
    virtual std::string UserName(unsigned uid) = 0;
    virtual std::string GroupName(unsigned gid) = 0;
    // The serial ports present, stable names (/dev/serial/by-id/...) first.
    virtual std::vector<std::string> SerialPorts() = 0;
    // The text of a lock file; nullopt when there is none.
    virtual std::optional<std::string> ReadLockFile(const std::string& path) = 0;
    // Every running process, with its open files where they can be looked at.
    virtual std::vector<ProcessInfo> Processes() = 0;
    // The USB adapter behind a serial device (its path with links followed), if it is one.
    virtual std::optional<UsbId> UsbIdOf(const std::string& device) = 0;
    // Every USB device plugged in.
    virtual std::vector<UsbId> UsbDevices() = 0;
    virtual bool PackageInstalled(const std::string& name) = 0;
};

}  // namespace rse
