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

template <typename T>
bool Contains(const std::vector<T>& list, T value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The number of a pseudo-terminal's slave device /dev/pts/N, or -1.
int PtyIndexOf(const std::string& device) {
    if (!device.starts_with("/dev/pts/")) return -1;
    const std::string digits = device.substr(9);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(digits);
}

const char* NotSerialText(NodeKind kind) {
    switch (kind) {
        case NodeKind::Regular:
            return RSE_TEXT("Core", "%1 is not a serial device: it is a regular file");
        case NodeKind::Directory:
            return RSE_TEXT("Core", "%1 is not a serial device: it is a folder");
        default:
            return RSE_TEXT("Core", "%1 is not a serial device: it is not a character device");
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
    void Emit(CheckLevel level, Phrase text, Phrase fix = {}) {
        report_.lines.push_back(
            {level, text.English(), fix.English(), std::move(text), std::move(fix)});
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
            Phrase fix;
            if (ports.empty()) {
                fix = Phrase(RSE_TEXT(
                    "Core",
                    "no serial port was found on this computer: plug in the cable's USB "
                    "adapter, then choose its name under /dev/serial/by-id/ (it stays the same "
                    "when the adapter is plugged in again)"));
            } else {
                std::string found;
                for (std::size_t i = 0; i < ports.size(); ++i)
                    found += (i ? ", " : "") + ports[i];
                fix = Phrase(RSE_TEXT("Core",
                                      "choose one of the serial ports found: %1 (names under "
                                      "/dev/serial/by-id/ stay the same when the adapter is "
                                      "plugged in again; rse-cli ports lists the ports)"),
                             {found});
            }
            Emit(CheckLevel::Problem, Phrase(RSE_TEXT("Core", "%1 does not exist"), {device_}),
                 fix);
            return false;
        }
        if (status_.error != 0) {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core", "cannot look at %1: %2"), {device_, status_.reason}),
                 Phrase(
                     RSE_TEXT("Core", "check the path and that this user may enter its folders")));
            return false;
        }
        Phrase text(RSE_TEXT("Core", "%1 exists"), {device_});
        if (Resolved() != device_) text.Add(RSE_TEXT("Core", " (it leads to %1)"), {Resolved()});
        Emit(CheckLevel::Ok, text);
        return true;
    }

    // 2. It is a character device and, once opened, a terminal (a serial port).
    bool CheckDevice() {
        const Phrase fix(
            RSE_TEXT("Core",
                     "give the serial port's device, for example /dev/ttyUSB0 or a name under "
                     "/dev/serial/by-id/ (rse-cli ports lists the ports)"));
        if (status_.kind != NodeKind::CharDevice) {
            Emit(CheckLevel::Problem, Phrase(NotSerialText(status_.kind), {device_}), fix);
            return false;
        }
        open_ = facts_.TryOpen(device_);
        if (open_.error == 0 && !open_.isTerminal) {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core",
                                 "%1 is a character device but not a serial port (not a terminal)"),
                        {device_}),
                 fix);
            return false;
        }
        Emit(
            CheckLevel::Ok,
            Phrase(open_.error == 0
                       ? RSE_TEXT("Core", "%1 is a character device and a serial port (a terminal)")
                       : RSE_TEXT("Core", "%1 is a character device"),
                   {device_}));
        return true;
    }

    // 3. This user may open it.
    void CheckOpen() {
        const std::string user = UserText();
        if (open_.error == 0) {
            Emit(CheckLevel::Ok, Phrase(RSE_TEXT("Core", "%1 may open %2 for reading and writing"),
                                        {user, device_}));
        } else if (open_.error == EACCES || open_.error == EPERM) {
            PermissionProblem(user);
        } else if (open_.error == EBUSY) {
            Emit(CheckLevel::Problem,
                 Phrase(
                     RSE_TEXT("Core", "%1 is busy: another program has opened it for itself alone"),
                     {device_}),
                 Phrase(RSE_TEXT("Core",
                                 "close the program that uses the port (the next check "
                                 "names it when it can)")));
        } else {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core", "cannot open %1: %2"), {device_, open_.reason}),
                 Phrase(RSE_TEXT("Core",
                                 "unplug the adapter and plug it in again; if that does not "
                                 "help, the system log says more (sudo dmesg)")));
        }
    }

    std::string UserText() const {
        return self_.userName.empty() ? "user " + std::to_string(self_.uid) : self_.userName;
    }

    void PermissionProblem(const std::string& user) {
        const std::string group = facts_.GroupName(status_.gid);
        const std::string groupText = group.empty() ? std::to_string(status_.gid) : group;
        const std::string owner = facts_.UserName(status_.uid);
        Phrase text(RSE_TEXT("Core",
                             "permission denied on %1: it belongs to the user %2 and the "
                             "group %3 (mode %4)"),
                    {device_, owner.empty() ? std::to_string(status_.uid) : owner, groupText,
                     ModeText(status_.mode)});
        Phrase fix;
        const std::string me = self_.userName.empty() ? "$USER" : self_.userName;
        const bool groupMayUse = (status_.mode & 060) == 060;
        // A member of the device's group may use it, unless the group is root's: nobody
        // should join that one for a serial port.
        if (groupMayUse && status_.gid != 0 && !group.empty()) {
            if (Contains(self_.processGroups, status_.gid)) {
                text.Add(RSE_TEXT("Core", "; %1 is in the group %2, yet the system refuses"),
                         {user, group});
                fix = Phrase(RSE_TEXT("Core",
                                      "an access control list or a security module "
                                      "refuses it; look at: getfacl %1"),
                             {Resolved()});
            } else if (Contains(self_.databaseGroups, status_.gid)) {
                text.Add(RSE_TEXT("Core",
                                  "; %1 was added to the group %2 after this login "
                                  "session began: a new login is needed"),
                         {user, group});
                fix = Phrase(RSE_TEXT("Core",
                                      "log out and log in again (or, for one shell at "
                                      "once: newgrp %1)"),
                             {group});
            } else {
                text.Add(RSE_TEXT("Core", "; %1 is not in the group %2"), {user, group});
                fix = Phrase(
                    RSE_TEXT("Core", "sudo usermod -aG %1 %2, then log out and log in again"),
                    {group, me});
            }
        } else if (PtyIndexOf(Resolved()) >= 0) {
            text.Add(RSE_TEXT("Core", "; only its owner may use this pseudo-terminal"));
            fix = owner.empty()
                      ? Phrase(RSE_TEXT("Core",
                                        "run this program as the pseudo-terminal's owner, "
                                        "the user who made the pseudo-terminal (for "
                                        "example who started the virtual radio)"))
                      : Phrase(RSE_TEXT("Core",
                                        "run this program as %1, the user who made the "
                                        "pseudo-terminal (for example who started the "
                                        "virtual radio)"),
                               {owner});
        } else {
            text.Add(RSE_TEXT("Core", "; its group may not read and write it"));
            const std::string name = Basename(Resolved());
            std::string kernel = name;
            if (name.starts_with("ttyUSB")) kernel = "ttyUSB[0-9]*";
            if (name.starts_with("ttyACM")) kernel = "ttyACM[0-9]*";
            fix = Phrase(RSE_TEXT("Core",
                                  "let the system give the device to the group dialout: "
                                  "echo 'KERNEL==\"%1\", GROUP=\"dialout\", "
                                  "MODE=\"0660\"' | sudo tee "
                                  "/etc/udev/rules.d/70-serial-dialout.rules && sudo "
                                  "udevadm trigger; then sudo usermod -aG dialout %2 if "
                                  "not a member, and log in again"),
                         {kernel, me});
        }
        Emit(CheckLevel::Problem, text, fix);
    }

    // "process PID (COMMAND)": the arguments of the texts that name a process.
    static std::vector<std::string> Named(const std::string& device, const ProcessInfo& p) {
        return {device, std::to_string(p.pid), p.command};
    }

    static Phrase StopFix(const ProcessInfo& p) {
        if (p.command == "ModemManager") {
            return Phrase(RSE_TEXT(
                "Core", "sudo systemctl stop ModemManager (see the ModemManager line for good)"));
        }
        if (p.command == "brltty") {
            return Phrase(RSE_TEXT("Core", "sudo systemctl stop brltty (see the brltty line)"));
        }
        return Phrase(RSE_TEXT("Core", "close %1, or end it: kill %2"),
                      {p.command, std::to_string(p.pid)});
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
                std::vector<std::string> arguments = Named(device_, *p);
                arguments.push_back(path);
                Emit(CheckLevel::Problem,
                     Phrase(RSE_TEXT("Core", "%1 is locked by process %2 (%3): lock file %4"),
                            arguments),
                     StopFix(*p));
                held = true;
            } else {
                Emit(CheckLevel::Warning,
                     Phrase(
                         RSE_TEXT("Core", "stale lock file %1 of process %2, which no longer runs"),
                         {path, std::to_string(pid)}),
                     Phrase(RSE_TEXT("Core", "sudo rm %1"), {path}));
            }
        }
        const int ptyIndex = PtyIndexOf(Resolved());
        Phrase farEnd;
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
                if (!farEnd.Empty()) farEnd.Add(RSE_TEXT("Core", ", "));
                farEnd.Add(RSE_TEXT("Core", "process %1 (%2)"), {std::to_string(p.pid), p.command});
            } else if (holds) {
                Emit(CheckLevel::Problem,
                     Phrase(RSE_TEXT("Core", "%1 is open in process %2 (%3)"), Named(device_, p)),
                     StopFix(p));
                held = true;
            } else if (master && farEnd.Empty()) {
                farEnd =
                    Phrase(RSE_TEXT("Core", "process %1 (%2)"), {std::to_string(p.pid), p.command});
            }
        }
        if (held) return;
        Phrase text(RSE_TEXT("Core", "no other program holds %1"), {device_});
        if (unreadable == 1) {
            text.Add(RSE_TEXT("Core",
                              ", as far as this user can see (the open files of 1 "
                              "process of other users are hidden)"));
        } else if (unreadable > 1) {
            text.Add(RSE_TEXT("Core",
                              ", as far as this user can see (the open files of %1 "
                              "processes of other users are hidden)"),
                     {std::to_string(unreadable)});
        }
        if (!farEnd.Empty()) {
            text.Add(RSE_TEXT("Core", "; "));
            text.parts.insert(text.parts.end(), farEnd.parts.begin(), farEnd.parts.end());
            text.Add(RSE_TEXT("Core", " is the other end of this pseudo-terminal"));
        }
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
            Phrase what(RSE_TEXT("Core",
                                 "brltty (a braille display driver) is installed: it "
                                 "takes CH340, CP210x and FTDI USB serial adapters for "
                                 "braille displays when they are plugged in"));
            const Phrase fix(
                RSE_TEXT("Core",
                         "sudo apt-get remove brltty (or, to keep it for a braille display: sudo "
                         "systemctl mask brltty-udev.service), then unplug the adapter and plug "
                         "it in again"));
            if (missing) {
                what.Add(RSE_TEXT("Core", "; the adapter %1 is plugged in but %2 does not exist"),
                         {found, device_});
                Emit(CheckLevel::Problem, what, fix);
            } else {
                what.Add(RSE_TEXT("Core", "; the adapter of %1 is one of them: %2"),
                         {device_, found});
                Emit(CheckLevel::Warning, what, fix);
            }
            any = true;
        }
        if (Running("ModemManager")) {
            Emit(CheckLevel::Warning,
                 Phrase(RSE_TEXT("Core",
                                 "ModemManager is running: it sends modem commands to "
                                 "every new serial device and holds it for a while "
                                 "after it is plugged in")),
                 Phrase(RSE_TEXT("Core",
                                 "sudo systemctl disable --now ModemManager (or, to keep "
                                 "it for a modem, a udev rule with "
                                 "ENV{ID_MM_DEVICE_IGNORE}=\"1\" for the adapter)")));
            any = true;
        }
        if (!any) {
            Emit(CheckLevel::Ok,
                 Phrase(brltty ? RSE_TEXT("Core",
                                          "brltty is installed but takes none of the "
                                          "adapters found; ModemManager is not running")
                               : RSE_TEXT("Core",
                                          "neither brltty nor ModemManager is there to "
                                          "take USB serial adapters away")));
        }
    }

    // 6 and 7. The cable's echo, then the model check of a transfer.
    void CheckLine() {
        LinkEnvironment echoEnv{env_.link, env_.clock, env_.cancel};
        SerialLayer serial(echoEnv);
        if (const auto error = serial.OpenPort()) {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core", "cannot open %1 at 9600 baud 8N1: %2"),
                        {device_, error->reason}),
                 Phrase(RSE_TEXT(
                     "Core", "close the program that uses the port, then run the check again")));
            return;
        }
        serial.FlushInput();
        const std::array<std::uint8_t, 1> can{kCAN};  // the radio ignores CAN
        const WaitResult echo =
            serial.SendBytes(can) ? serial.WaitForByte(kCAN, kEchoTimeout) : WaitResult::LinkLost;
        if (echo == WaitResult::Cancelled || Cancelled()) {
            serial.ClosePort();
            report_.cancelled = true;
            return;
        }
        if (echo == WaitResult::LinkLost) {
            serial.ClosePort();
            LostLine(env_.link.LastError());
            return;
        }
        const bool echoed = echo == WaitResult::Came;
        if (echoed && env_.noEcho) {
            // A warning: the radio answers, but a transfer with --no-echo would take the echo
            // for the radio's answer and fail.
            Emit(CheckLevel::Warning,
                 Phrase(RSE_TEXT("Core",
                                 "the cable on %1 echoes what is sent, but --no-echo "
                                 "(/DE) was given: every transfer would take the echo "
                                 "for the radio's answer and fail"),
                        {device_}),
                 Phrase(RSE_TEXT("Core", "leave out --no-echo (start the editor without /DE)")));
        } else if (echoed) {
            Emit(CheckLevel::Ok,
                 Phrase(RSE_TEXT("Core", "the cable on %1 echoes what is sent"), {device_}));
        } else if (env_.noEcho) {
            Emit(CheckLevel::Ok,
                 Phrase(RSE_TEXT("Core", "no echo on %1, as --no-echo (/DE) says"), {device_}));
        } else {
            Emit(
                CheckLevel::Problem,
                Phrase(RSE_TEXT("Core", "no echo on %1: the cable did not send back what was sent"),
                       {device_}),
                Phrase(RSE_TEXT("Core",
                                "if the cable does not echo, use --no-echo (start the "
                                "editor with the /DE switch); otherwise check that the "
                                "programming cable is plugged in")));
        }

        // The model check as a transfer starts it, with the echo as it really is.
        LinkEnvironment modelEnv{env_.link, env_.clock, env_.cancel};
        modelEnv.settings.SkipReceive = !echoed;
        CloneProtocol protocol(modelEnv);
        MemoryImage answer{};
        const ExchangeResult result = protocol.Serial().OpenPort() ? ExchangeResult::NoAnswer
                                                                   : protocol.ReadModelCode(answer);
        protocol.Serial().ClosePort();
        if (Cancelled()) return;
        if (result == ExchangeResult::LinkLost) {
            LostLine(env_.link.LastError());
        } else if (result != ExchangeResult::Answered) {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core",
                                 "no answer from the radio on %1 to the model check (the "
                                 "model code at addresses 0x0000 and 0x0001)"),
                        {device_}),
                 Phrase(RSE_TEXT("Core",
                                 "switch the radio on and put it into clone mode, check "
                                 "that the cable is plugged into the radio, then run the "
                                 "check again")));
        } else if (const std::uint16_t code = ModelCodeOf(answer); code != kSupportedModelCode) {
            Emit(CheckLevel::Problem,
                 Phrase(RSE_TEXT("Core",
                                 "the radio on %1 reports the model code %2, not %3 "
                                 "(%4): every transfer stops at the model check with "
                                 "\"%5\""),
                        {device_, Hex4(code), Hex4(kSupportedModelCode), kModelName,
                         kModelNameErrorText}),
                 Phrase(RSE_TEXT("Core", "connect a %1: this program edits that model only"),
                        {kModelName}));
        } else {
            Emit(CheckLevel::Ok,
                 Phrase(RSE_TEXT("Core",
                                 "the radio on %1 answers the model check: model code "
                                 "%2, %3"),
                        {device_, Hex4(code), kModelName}));
        }
    }

    void LostLine(const std::string& reason) {
        Emit(CheckLevel::Problem,
             reason.empty()
                 ? Phrase(RSE_TEXT("Core", "the line to %1 was lost"), {device_})
                 : Phrase(RSE_TEXT("Core", "the line to %1 was lost: %2"), {device_, reason}),
             Phrase(RSE_TEXT("Core", "check the cable and its adapter, then run the check again")));
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
    std::string name = device.starts_with("/dev/") ? device.substr(5) : device;
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
