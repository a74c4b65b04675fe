#include "qt/system_facts_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "qt/serial_ports.h"

namespace rse {

namespace {

std::string SmallFile(const std::string& path, std::size_t limit = 4096) {
    std::ifstream in(path, std::ios::binary);
    std::string text(limit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(limit));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return text;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::optional<std::string> LinkTarget(const std::string& path) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(n));
}

bool IsNumber(const char* name) {
    if (*name == '\0') return false;
    for (; *name; ++name) {
        if (*name < '0' || *name > '9') return false;
    }
    return true;
}

std::optional<UsbId> ReadUsbId(const std::string& folder) {
    const std::string vendor = Trimmed(SmallFile(folder + "/idVendor", 16));
    const std::string product = Trimmed(SmallFile(folder + "/idProduct", 16));
    if (vendor.empty() || product.empty()) return std::nullopt;
    char* end = nullptr;
    const unsigned long v = std::strtoul(vendor.c_str(), &end, 16);
    if (*end != '\0') return std::nullopt;
    const unsigned long p = std::strtoul(product.c_str(), &end, 16);
    if (*end != '\0') return std::nullopt;
    return UsbId{static_cast<std::uint16_t>(v), static_cast<std::uint16_t>(p)};
}

// The number of the pseudo-terminal whose master is open as descriptor `fd` of the process
// whose /proc folder is `base`.
int PtyIndex(const std::string& base, const std::string& fd) {
    std::istringstream info(SmallFile(base + "/fdinfo/" + fd));
    std::string line;
    while (std::getline(info, line)) {
        if (line.rfind("tty-index:", 0) == 0) return std::atoi(line.c_str() + 10);
    }
    return -1;
}

}  // namespace

DeviceStatus PosixSystemFacts::Status(const std::string& path) {
    DeviceStatus s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        s.error = errno;
        s.reason = std::strerror(s.error);
        return s;
    }
    if (S_ISCHR(st.st_mode)) {
        s.kind = NodeKind::CharDevice;
    } else if (S_ISREG(st.st_mode)) {
        s.kind = NodeKind::Regular;
    } else if (S_ISDIR(st.st_mode)) {
        s.kind = NodeKind::Directory;
    } else {
        s.kind = NodeKind::Other;
    }
    s.uid = st.st_uid;
    s.gid = st.st_gid;
    s.mode = st.st_mode & 07777;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        s.resolved = real;
        std::free(real);
    }
    return s;
}

OpenAttempt PosixSystemFacts::TryOpen(const std::string& path) {
    OpenAttempt a;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        a.error = errno;
        a.reason = std::strerror(a.error);
        return a;
    }
    a.isTerminal = ::isatty(fd) == 1;
    ::close(fd);
    return a;
}

Identity PosixSystemFacts::Self() {
    Identity id;
    id.pid = static_cast<int>(::getpid());
    id.uid = ::geteuid();
    id.userName = UserName(id.uid);
    // The effective group ("Gid:" real, effective, ...), then the supplementary ones.
    std::istringstream status(SmallFile(root_ + "/proc/self/status", 65536));
    std::vector<unsigned> supplementary;
    for (std::string line; std::getline(status, line);) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "Gid:") {
            unsigned real = 0, effective = 0;
            if (fields >> real >> effective)
                id.processGroups.insert(id.processGroups.begin(), effective);
        } else if (key == "Groups:") {
            for (unsigned gid = 0; fields >> gid;)
                supplementary.push_back(gid);
        }
    }
    id.processGroups.insert(id.processGroups.end(), supplementary.begin(), supplementary.end());
    passwd pw{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(id.uid, &pw, buffer.data(), buffer.size(), &found) == 0 && found) {
        int n = 64;
        std::vector<gid_t> groups(static_cast<std::size_t>(n));
        if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &n) < 0) {
            groups.resize(static_cast<std::size_t>(n));
            ::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &n);
        }
        groups.resize(static_cast<std::size_t>(std::max(n, 0)));
        id.databaseGroups.assign(groups.begin(), groups.end());
    }
    return id;
}

std::string PosixSystemFacts::UserName(unsigned uid) {
    passwd pw{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(uid, &pw, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    return pw.pw_name;
}

std::string PosixSystemFacts::GroupName(unsigned gid) {
    group gr{};
    group* found = nullptr;
    std::vector<char> buffer(65536);
    if (::getgrgid_r(gid, &gr, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    return gr.gr_name;
}

std::vector<std::string> PosixSystemFacts::SerialPorts() {
    std::vector<std::string> paths;
    for (const QString& path : SerialPortPaths(FindSerialPorts()))
        paths.push_back(QFile::encodeName(path).toStdString());
    return paths;
}

std::optional<std::string> PosixSystemFacts::ReadLockFile(const std::string& path) {
    struct stat st {};
    const std::string file = root_ + path;
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return SmallFile(file, 256);
}

std::vector<ProcessInfo> PosixSystemFacts::Processes() {
    std::vector<ProcessInfo> list;
    const std::string procFolder = root_ + "/proc";
    DIR* proc = ::opendir(procFolder.c_str());
    if (!proc) return list;
    while (const dirent* entry = ::readdir(proc)) {
        if (!IsNumber(entry->d_name)) continue;
        const std::string pid = entry->d_name;
        const std::string base = procFolder + "/" + pid;
        ProcessInfo p;
        p.pid = std::atoi(pid.c_str());
        p.command = Trimmed(SmallFile(base + "/comm", 64));
        DIR* fds = ::opendir((base + "/fd").c_str());
        if (!fds) {
            if (errno == ENOENT) continue;  // it has just ended
            p.filesReadable = false;
        } else {
            while (const dirent* fd = ::readdir(fds)) {
                if (!IsNumber(fd->d_name)) continue;
                const auto target = LinkTarget(base + "/fd/" + fd->d_name);
                if (!target || target->rfind("/dev/", 0) != 0) continue;
                OpenFile f{*target};
                if (*target == "/dev/ptmx" || *target == "/dev/pts/ptmx") {
                    f.ptyIndex = PtyIndex(base, fd->d_name);
                }
                p.files.push_back(std::move(f));
            }
            ::closedir(fds);
        }
        list.push_back(std::move(p));
    }
    ::closedir(proc);
    return list;
}

std::optional<UsbId> PosixSystemFacts::UsbIdOf(const std::string& device) {
    const auto slash = device.rfind('/');
    const std::string name = slash == std::string::npos ? device : device.substr(slash + 1);
    char* real = ::realpath((root_ + "/sys/class/tty/" + name + "/device").c_str(), nullptr);
    if (!real) return std::nullopt;
    std::string folder = real;
    std::free(real);
    // The USB device is a few folders above the serial interface.
    for (int up = 0; up < 6 && folder.size() > 1; ++up) {
        if (auto id = ReadUsbId(folder)) return id;
        folder = folder.substr(0, folder.rfind('/'));
    }
    return std::nullopt;
}

std::vector<UsbId> PosixSystemFacts::UsbDevices() {
    std::vector<UsbId> ids;
    const std::string folder = root_ + "/sys/bus/usb/devices";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return ids;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        if (auto id = ReadUsbId(folder + "/" + entry->d_name)) {
            ids.push_back(*id);
        }
    }
    ::closedir(dir);
    return ids;
}

bool PosixSystemFacts::PackageInstalled(const std::string& name) {
    // Installed means its program is there; the package database is the package manager's.
    for (const char* folder : {"/usr/bin/", "/usr/sbin/", "/bin/", "/sbin/"}) {
        if (::access((root_ + folder + name).c_str(), F_OK) == 0) return true;
    }
    return false;
}

}  // namespace rse
