#include "link/connection_doctor.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

#include "image/memory_image.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"
#include "link/serial_layer.h"
#include "model/configuration.h"

namespace rse {

namespace {

constexpr const char* kPortsHint =
    "names under /dev/serial/by-id/ stay the same when the adapter is plugged in again; "
    "rse-cli ports lists the ports";

// USB serial adapters that brltty takes for braille displays.
struct KnownAdapter {
    UsbId id;
    const char* chip;
};
constexpr std::array<KnownAdapter, 3> kBrlttyAdapters{{
    {{0x1a86, 0x7523}, "CH340"},
    {{0x10c4, 0xea60}, "CP210x"},
    {{0x0403, 0x6001}, "FTDI"},
}};

const char* ChipOf(const UsbId& id) {
    for (const KnownAdapter& a : kBrlttyAdapters) {
        if (a.id == id) return a.chip;
    }
    return nullptr;
}

std::string UsbText(const UsbId& id) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", id.vendor, id.product);
    return text;
}

std::string ModeText(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777);
    return text;
}

std::string Basename(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

template <typename T>
bool Contains(const std::vector<T>& list, T value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The number of a pseudo-terminal's slave device /dev/pts/N, or -1.
int PtyIndexOf(const std::string& device) {
    if (!StartsWith(device, "/dev/pts/")) return -1;
    const std::string digits = device.substr(9);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(digits);
}

const char* KindText(NodeKind kind) {
    switch (kind) {
        case NodeKind::Regular:
            return "a regular file";
        case NodeKind::Directory:
            return "a folder";
        default:
            return "not a character device";
    }
}

class Doctor {
  public:
    Doctor(const std::string& device, const DoctorEnvironment& env)
        : device_(device), env_(env), facts_(env.facts) {}

    DoctorReport Run() {
        self_ = facts_.Self();
        status_ = facts_.Status(device_);
        if (!CheckExists() || !CheckDevice()) {
            CheckThieves();
            return report_;
        }
        CheckOpen();
        CheckHolders();
        CheckThieves();
        if (report_.HasProblem()) return report_;
        if (Cancelled()) return report_;
        CheckLine();
        return report_;
    }

  private:
    void Emit(CheckLevel level, std::string text, std::string fix = {}) {
        report_.lines.push_back({level, std::move(text), std::move(fix)});
        if (env_.onLine) env_.onLine(report_.lines.back());
    }

    bool Cancelled() {
        if (env_.cancel.load()) report_.cancelled = true;
        return report_.cancelled;
    }

    std::string Resolved() const { return status_.resolved.empty() ? device_ : status_.resolved; }

    // 1. The device exists.
    bool CheckExists() {
        if (status_.error == ENOENT || status_.error == ENOTDIR) {
            const std::vector<std::string> ports = facts_.SerialPorts();
            std::string fix;
            if (ports.empty()) {
                fix =
                    "no serial port was found on this computer: plug in the cable's USB "
                    "adapter, then choose its name under /dev/serial/by-id/ (it stays the same "
                    "when the adapter is plugged in again)";
            } else {
                fix = "choose one of the serial ports found: ";
                for (std::size_t i = 0; i < ports.size(); ++i)
                    fix += (i ? ", " : "") + ports[i];
                fix += std::string(" (") + kPortsHint + ")";
            }
            Emit(CheckLevel::Problem, device_ + " does not exist", fix);
            return false;
        }
        if (status_.error != 0) {
            Emit(CheckLevel::Problem, "cannot look at " + device_ + ": " + status_.reason,
                 "check the path and that this user may enter its folders");
            return false;
        }
        std::string text = device_ + " exists";
        if (Resolved() != device_) text += " (it leads to " + Resolved() + ")";
        Emit(CheckLevel::Ok, text);
        return true;
    }

    // 2. It is a character device and, once opened, a terminal (a serial port).
    bool CheckDevice() {
        const std::string fix =
            "give the serial port's device, for example /dev/ttyUSB0 or a name under "
            "/dev/serial/by-id/ (rse-cli ports lists the ports)";
        if (status_.kind != NodeKind::CharDevice) {
            Emit(CheckLevel::Problem,
                 device_ + " is not a serial device: it is " + KindText(status_.kind), fix);
            return false;
        }
        open_ = facts_.TryOpen(device_);
        if (open_.error == 0 && !open_.isTerminal) {
            Emit(CheckLevel::Problem,
                 device_ + " is a character device but not a serial port (not a terminal)", fix);
            return false;
        }
        Emit(CheckLevel::Ok, device_ + " is a character device" +
                                 (open_.error == 0 ? " and a serial port (a terminal)" : ""));
        return true;
    }

    // 3. This user may open it.
    void CheckOpen() {
        const std::string user = UserText();
        if (open_.error == 0) {
            Emit(CheckLevel::Ok, user + " may open " + device_ + " for reading and writing");
        } else if (open_.error == EACCES || open_.error == EPERM) {
            PermissionProblem(user);
        } else if (open_.error == EBUSY) {
            Emit(CheckLevel::Problem,
                 device_ + " is busy: another program has opened it for itself alone",
                 "close the program that uses the port (the next check names it when it can)");
        } else {
            Emit(CheckLevel::Problem, "cannot open " + device_ + ": " + open_.reason,
                 "unplug the adapter and plug it in again; if that does not help, the system "
                 "log says more (sudo dmesg)");
        }
    }

    std::string UserText() const {
        return self_.userName.empty() ? "user " + std::to_string(self_.uid) : self_.userName;
    }

    void PermissionProblem(const std::string& user) {
        const std::string group = facts_.GroupName(status_.gid);
        const std::string groupText = group.empty() ? std::to_string(status_.gid) : group;
        const std::string owner = facts_.UserName(status_.uid);
        std::string text = "permission denied on " + device_ + ": it belongs to the user " +
                           (owner.empty() ? std::to_string(status_.uid) : owner) +
                           " and the group " + groupText + " (mode " + ModeText(status_.mode) + ")";
        std::string fix;
        const bool groupMayUse = (status_.mode & 060) == 060;
        // A member of the device's group may use it, unless the group is root's: nobody
        // should join that one for a serial port.
        if (groupMayUse && status_.gid != 0 && !group.empty()) {
            if (Contains(self_.processGroups, status_.gid)) {
                text += "; " + user + " is in the group " + group + ", yet the system refuses";
                fix = "an access control list or a security module refuses it; look at: getfacl " +
                      Resolved();
            } else if (Contains(self_.databaseGroups, status_.gid)) {
                text += "; " + user + " was added to the group " + group +
                        " after this login session began: a new login is needed";
                fix = "log out and log in again (or, for one shell at once: newgrp " + group + ")";
            } else {
                text += "; " + user + " is not in the group " + group;
                fix = "sudo usermod -aG " + group + " " +
                      (self_.userName.empty() ? "$USER" : self_.userName) +
                      ", then log out and log in again";
            }
        } else if (PtyIndexOf(Resolved()) >= 0) {
            text += "; only its owner may use this pseudo-terminal";
            fix = "run this program as " + (owner.empty() ? "the pseudo-terminal's owner" : owner) +
                  ", the user who made the pseudo-terminal (for example who started the virtual "
                  "radio)";
        } else {
            text += "; its group may not read and write it";
            const std::string name = Basename(Resolved());
            std::string kernel = name;
            if (StartsWith(name, "ttyUSB")) kernel = "ttyUSB[0-9]*";
            if (StartsWith(name, "ttyACM")) kernel = "ttyACM[0-9]*";
            fix = "let the system give the device to the group dialout: echo 'KERNEL==\"" + kernel +
                  "\", GROUP=\"dialout\", MODE=\"0660\"' | sudo tee "
                  "/etc/udev/rules.d/70-serial-dialout.rules && sudo udevadm trigger; then "
                  "sudo usermod -aG dialout " +
                  (self_.userName.empty() ? "$USER" : self_.userName) +
                  " if not a member, and log in again";
        }
        Emit(CheckLevel::Problem, text, fix);
    }

    static std::string Named(const ProcessInfo& p) {
        return "process " + std::to_string(p.pid) + " (" + p.command + ")";
    }

    static std::string StopFix(const ProcessInfo& p) {
        if (p.command == "ModemManager") {
            return "sudo systemctl stop ModemManager (see the ModemManager line for good)";
        }
        if (p.command == "brltty") return "sudo systemctl stop brltty (see the brltty line)";
        return "close " + p.command + ", or end it: kill " + std::to_string(p.pid);
    }

    // 4. Nobody else holds it: a lock file of a live process, or an open descriptor.
    void CheckHolders() {
        processes_ = facts_.Processes();
        bool held = false;
        std::vector<int> seen;
        std::vector<std::string> paths = LockFileCandidates(device_);
        if (Resolved() != device_) {
            for (const std::string& p : LockFileCandidates(Resolved()))
                paths.push_back(p);
        }
        for (const std::string& path : paths) {
            const std::optional<std::string> text = facts_.ReadLockFile(path);
            if (!text) continue;
            const int pid = LockFilePid(*text);
            if (pid <= 0 || pid == self_.pid || Contains(seen, pid)) continue;
            seen.push_back(pid);
            if (const ProcessInfo* p = Find(pid)) {
                Emit(CheckLevel::Problem,
                     device_ + " is locked by " + Named(*p) + ": lock file " + path, StopFix(*p));
                held = true;
            } else {
                Emit(CheckLevel::Warning,
                     "stale lock file " + path + " of process " + std::to_string(pid) +
                         ", which no longer runs",
                     "sudo rm " + path);
            }
        }
        const int ptyIndex = PtyIndexOf(Resolved());
        std::string farEnd;
        int unreadable = 0;
        for (const ProcessInfo& p : processes_) {
            if (p.pid == self_.pid) continue;
            if (!p.filesReadable) ++unreadable;
            bool holds = false;
            bool master = false;
            for (const OpenFile& f : p.files) {
                holds = holds || f.target == Resolved() || f.target == device_;
                const bool ptmx = f.target == "/dev/ptmx" || f.target == "/dev/pts/ptmx";
                master = master || (ptyIndex >= 0 && ptmx && f.ptyIndex == ptyIndex);
            }
            if (holds && master) {
                // The program on the other end of a pseudo-terminal, such as the virtual radio.
                farEnd += (farEnd.empty() ? "" : ", ") + Named(p);
            } else if (holds) {
                Emit(CheckLevel::Problem, device_ + " is open in " + Named(p), StopFix(p));
                held = true;
            } else if (master && farEnd.empty()) {
                farEnd = Named(p);
            }
        }
        if (held) return;
        std::string text = "no other program holds " + device_;
        if (unreadable > 0) {
            text += ", as far as this user can see (the open files of " +
                    std::to_string(unreadable) + (unreadable == 1 ? " process" : " processes") +
                    " of other users are hidden)";
        }
        if (!farEnd.empty()) text += "; " + farEnd + " is the other end of this pseudo-terminal";
        Emit(CheckLevel::Ok, text);
    }

    const ProcessInfo* Find(int pid) const {
        for (const ProcessInfo& p : processes_) {
            if (p.pid == pid) return &p;
        }
        return nullptr;
    }

    const ProcessInfo* Running(const char* command) const {
        for (const ProcessInfo& p : processes_) {
            if (p.command == command) return &p;
        }
        return nullptr;
    }

    // 5. Programs known to take USB serial adapters away.
    void CheckThieves() {
        if (processes_.empty()) processes_ = facts_.Processes();
        const bool missing = status_.error != 0;
        std::vector<UsbId> adapters;
        if (missing) {
            for (const UsbId& id : facts_.UsbDevices()) {
                if (ChipOf(id)) adapters.push_back(id);
            }
        } else if (const auto id = facts_.UsbIdOf(Resolved()); id && ChipOf(*id)) {
            adapters.push_back(*id);
        }
        const bool brltty = facts_.PackageInstalled("brltty") || Running("brltty");
        bool any = false;
        if (brltty && !adapters.empty()) {
            std::string found;
            for (const UsbId& id : adapters)
                found += (found.empty() ? "" : ", ") + UsbText(id) + " (" + ChipOf(id) + ")";
            const std::string what =
                "brltty (a braille display driver) is installed: it takes CH340, CP210x and "
                "FTDI USB serial adapters for braille displays when they are plugged in";
            const std::string fix =
                "sudo apt-get remove brltty (or, to keep it for a braille display: sudo "
                "systemctl mask brltty-udev.service), then unplug the adapter and plug it in "
                "again";
            if (missing) {
                Emit(CheckLevel::Problem,
                     what + "; the adapter " + found + " is plugged in but " + device_ +
                         " does not exist",
                     fix);
            } else {
                Emit(CheckLevel::Warning,
                     what + "; the adapter of " + device_ + " is one of them: " + found, fix);
            }
            any = true;
        }
        if (Running("ModemManager")) {
            Emit(CheckLevel::Warning,
                 "ModemManager is running: it sends modem commands to every new serial device "
                 "and holds it for a while after it is plugged in",
                 "sudo systemctl disable --now ModemManager (or, to keep it for a modem, a udev "
                 "rule with ENV{ID_MM_DEVICE_IGNORE}=\"1\" for the adapter)");
            any = true;
        }
        if (!any) {
            Emit(CheckLevel::Ok, brltty ? "brltty is installed but takes none of the adapters "
                                          "found; ModemManager is not running"
                                        : "neither brltty nor ModemManager is there to take "
                                          "USB serial adapters away");
        }
    }

    // 6 and 7. The cable's echo, then the model check of a transfer.
    void CheckLine() {
        LinkEnvironment echoEnv{env_.link, env_.clock, env_.cancel};
        SerialLayer serial(echoEnv);
        if (!serial.OpenPort()) {
            Emit(CheckLevel::Problem,
                 "cannot open " + device_ + " at 9600 baud 8N1: " + serial.OpenError().reason,
                 "close the program that uses the port, then run the check again");
            return;
        }
        serial.FlushInput();
        const std::array<std::uint8_t, 1> can{kCAN};  // the radio ignores CAN
        serial.SendBytes(can);
        const WaitResult echo =
            serial.LinkLost() ? WaitResult::TimedOut : serial.WaitForByte(kCAN, kEchoTimeout);
        if (echo == WaitResult::Cancelled || Cancelled()) {
            serial.ClosePort();
            report_.cancelled = true;
            return;
        }
        if (serial.LinkLost()) {
            serial.ClosePort();
            LostLine(serial.LinkLostReason());
            return;
        }
        const bool echoed = echo == WaitResult::Came;
        if (echoed && env_.noEcho) {
            // A warning: the radio answers, but a transfer with --no-echo would take the echo
            // for the radio's answer and fail.
            Emit(CheckLevel::Warning,
                 "the cable on " + device_ +
                     " echoes what is sent, but --no-echo (/DE) was given: every transfer would "
                     "take the echo for the radio's answer and fail",
                 "leave out --no-echo (start the editor without /DE)");
        } else if (echoed) {
            Emit(CheckLevel::Ok, "the cable on " + device_ + " echoes what is sent");
        } else if (env_.noEcho) {
            Emit(CheckLevel::Ok, "no echo on " + device_ + ", as --no-echo (/DE) says");
        } else {
            Emit(CheckLevel::Problem,
                 "no echo on " + device_ + ": the cable did not send back what was sent",
                 "if the cable does not echo, use --no-echo (start the editor with the /DE "
                 "switch); otherwise check that the programming cable is plugged in");
        }

        // The model check as a transfer starts it, with the echo as it really is.
        LinkEnvironment modelEnv{env_.link, env_.clock, env_.cancel};
        modelEnv.settings.SkipReceive = !echoed;
        CloneProtocol protocol(modelEnv);
        MemoryImage answer{};
        const bool ok = protocol.Serial().OpenPort() && protocol.ReadModelCode(answer);
        protocol.Serial().ClosePort();
        if (Cancelled()) return;
        if (protocol.Serial().LinkLost()) {
            LostLine(protocol.Serial().LinkLostReason());
        } else if (!ok) {
            Emit(CheckLevel::Problem,
                 "no answer from the radio on " + device_ +
                     " to the model check (the model code at addresses 0x0000 and 0x0001)",
                 "switch the radio on and put it into clone mode, check that the cable is "
                 "plugged into the radio, then run the check again");
        } else if (const std::uint16_t code = ModelCodeOf(answer); code != kSupportedModelCode) {
            Emit(CheckLevel::Problem,
                 "the radio on " + device_ + " reports the model code " + Hex4(code) + ", not " +
                     Hex4(kSupportedModelCode) + " (" + kModelName +
                     "): every transfer stops at the model check with \"" + kModelNameErrorText +
                     "\"",
                 std::string("connect a ") + kModelName + ": this program edits that model only");
        } else {
            Emit(CheckLevel::Ok, "the radio on " + device_ +
                                     " answers the model check: model code " + Hex4(code) + ", " +
                                     kModelName);
        }
    }

    void LostLine(const std::string& reason) {
        Emit(CheckLevel::Problem,
             "the line to " + device_ + " was lost" + (reason.empty() ? "" : ": " + reason),
             "check the cable and its adapter, then run the check again");
    }

    const std::string device_;
    const DoctorEnvironment& env_;
    SystemFacts& facts_;
    DoctorReport report_;
    Identity self_;
    DeviceStatus status_;
    OpenAttempt open_;
    std::vector<ProcessInfo> processes_;
};

}  // namespace

std::string CheckLine::Format() const {
    const char* label = level == CheckLevel::Ok        ? "ok: "
                        : level == CheckLevel::Warning ? "warning: "
                                                       : "problem: ";
    std::string out = label + text;
    if (!fix.empty()) out += "\nfix: " + fix;
    return out;
}

bool DoctorReport::HasProblem() const {
    return std::any_of(lines.begin(), lines.end(),
                       [](const CheckLine& l) { return l.level == CheckLevel::Problem; });
}

std::vector<std::string> LockFileCandidates(const std::string& device) {
    std::string name = StartsWith(device, "/dev/") ? device.substr(5) : device;
    std::replace(name.begin(), name.end(), '/', '_');
    std::vector<std::string> paths;
    for (const char* folder : {"/run/lock", "/var/lock", "/tmp", "/var/tmp"})
        paths.push_back(std::string(folder) + "/LCK.." + name);
    return paths;
}

int LockFilePid(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    long pid = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 10; ++i, ++digits)
        pid = pid * 10 + (text[i] - '0');
    if (digits == 0 || pid > 0x3FFFFFFF) return 0;
    return static_cast<int>(pid);
}

DoctorReport RunConnectionDoctor(const std::string& device, const DoctorEnvironment& env) {
    return Doctor(device, env).Run();
}

}  // namespace rse
