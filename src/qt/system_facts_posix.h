// The facts the connection check needs, from this Linux system: stat, open, the user and
// group databases, /proc, the lock folders, /sys and the package database.
#pragma once

#include "link/system_facts.h"

namespace rse {

class PosixSystemFacts : public SystemFacts {
  public:
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
};

}  // namespace rse
