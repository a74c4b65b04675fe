// The facts the connection check needs, from this Linux system: stat, open, the user and
// group databases, /proc, the lock folders, /sys and the programs installed.
#pragma once

#include <string>

#include "link/system_facts.h"

namespace rse {

class PosixSystemFacts : public SystemFacts {
  public:
    // `root` is put before every path of /proc, /sys, the lock folders and the program
    // folders that is read ("" for this system); the tests give a small tree of their own.
    explicit PosixSystemFacts(std::string root = {}) : root_(std::move(root)) {}

    DeviceStatus Status(const std::string& path) override;
    OpenAttempt TryOpen(const std::string& path) override;
    Identity Self() override;
    std::string UserName(unsigned uid) override;
    std::string GroupName(unsigned gid) override;
    std::vector<std::string> SerialPorts() override;
    std::optional<std::string> ReadLockFile(const std::string& path) override;
    std::vector<ProcessInfo> Processes() override;
    std::optional<UsbId> UsbIdOf(const std::string& device) override;
    std::vector<UsbId> UsbDevices() override;
    bool PackageInstalled(const std::string& name) override;

  private:
    std::string root_;
};

}  // namespace rse
