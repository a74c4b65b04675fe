// The connection check on a made-up computer: every check, without root and without a radio.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>

#include "fake_link.h"
#include "image/codec.h"
#include "link/clone_frames.h"
#include "link/connection_doctor.h"

namespace rse::test {
namespace {

constexpr const char* kById = "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0";

const DeviceStatus kTty{0, {}, NodeKind::CharDevice, "/dev/ttyUSB0", 0, 20, 0660};

// A computer with an FTDI adapter on /dev/ttyUSB0 (root:dialout 0660), the user alice in
// dialout, and nothing else in the way.
struct FakeFacts : SystemFacts {
    std::map<std::string, DeviceStatus> status{{kById, kTty}, {"/dev/ttyUSB0", kTty}};
    OpenAttempt open{0, {}, true};
    Identity self{100, 1000, "alice", {1000, 20}, {1000, 20}};
    std::map<std::string, std::string> locks;
    std::vector<ProcessInfo> processes{{100, "rse-cli", true, {}},
                                       {200, "bash", true, {{"/dev/pts/1"}}},
                                       {300, "cron", false, {}}};
    std::optional<UsbId> usb = UsbId{0x0403, 0x6001};
    std::vector<UsbId> usbDevices{{0x1d6b, 0x0002}};
    bool brltty = false;
    std::vector<std::string> ports{kById, "/dev/ttyUSB0"};

    DeviceStatus Status(const std::string& path) override {
        auto it = status.find(path);
        return it != status.end()
                   ? it->second
                   : DeviceStatus{ENOENT, "No such file", NodeKind::Missing, {}, 0, 0, 0};
    }
    OpenAttempt TryOpen(const std::string&) override { return open; }
    Identity Self() override { return self; }
    std::string UserName(unsigned uid) override { return uid == 0 ? "root" : ""; }
    std::string GroupName(unsigned gid) override {
        return gid == 0 ? "root" : gid == 20 ? "dialout" : gid == 5 ? "tty" : "";
    }
    std::vector<std::string> SerialPorts() override { return ports; }
    std::optional<std::string> ReadLockFile(const std::string& path) override {
        auto it = locks.find(path);
        return it != locks.end() ? std::optional(it->second) : std::nullopt;
    }
    std::vector<ProcessInfo> Processes() override { return processes; }
    std::optional<UsbId> UsbIdOf(const std::string&) override { return usb; }
    std::vector<UsbId> UsbDevices() override { return usbDevices; }
    bool PackageInstalled(const std::string& name) override { return brltty && name == "brltty"; }
};

struct Machine {
    FakeFacts facts;
    std::string device = kById;
    bool noEcho = false, cancel = false;
    bool echo = true, radio = true;  // the cable echoes; something answers on the line
    std::optional<std::uint16_t> model;
    std::optional<Millis> cancelAt;  // the user cancels then

    void Denied() { facts.open = {EACCES, "Permission denied", false}; }
    // The device is a pseudo-terminal of root's, in the group tty.
    void Pts(const std::string& path) {
        device = path;
        facts.status[path] = {0, {}, NodeKind::CharDevice, path, 0, 5, 0620};
    }
};

using L = CheckLevel;
struct Expect {  // text and fix are found in the line's text and fix
    L level;
    std::string text, fix;
};

struct Case {
    const char* name;
    std::function<void(Machine&)> change;
    std::size_t count;            // lines in the report
    std::vector<Expect> notable;  // found in this order; every other line is Ok
};

TEST(ConnectionDoctor, EveryCheckSaysWhatIsWrongAndHowToMendIt) {
    const std::string pts3Free =
        "no other program holds /dev/pts/3, as far as this user can see (the open files of 1 "
        "process of other users are hidden); process 500 (rse-radio-sim) is the other end of "
        "this pseudo-terminal";
    const std::string noEcho = "no echo on";
    // clang-format off
    const std::vector<Case> cases{
        {"sound", [](Machine&) {}, 7,
         {{L::Ok, "exists (it leads to /dev/ttyUSB0)", ""}, {L::Ok, "is a character device and a serial port", ""},
          {L::Ok, "alice may open", ""}, {L::Ok, "no other program holds", ""},
          {L::Ok, "neither brltty nor ModemManager", ""}, {L::Ok, "echoes what is sent", ""},
          {L::Ok, "answers the model check: model code 0x0D48, QM24 VH3400M", ""}}},
        {"missing device lists the ports found", [](Machine& s) { s.device = "/dev/ttyUSB9"; }, 2,
         {{L::Problem, "/dev/ttyUSB9 does not exist", std::string("serial ports found: ") + kById +
           ", /dev/ttyUSB0 (names under /dev/serial/by-id/ stay the same"}}},
        {"brltty took the CH340 adapter",
         [](Machine& s) {
             s.device = "/dev/ttyUSB0";
             s.facts.status.clear();
             s.facts.ports.clear();
             s.facts.brltty = true;
             s.facts.usbDevices.push_back({0x1a86, 0x7523});
         }, 2,
         {{L::Problem, "/dev/ttyUSB0 does not exist", "plug in the cable's USB adapter"},
          {L::Problem, "brltty (a braille display driver) is installed", "sudo apt-get remove brltty"}}},
        {"brltty with an adapter that still works", [](Machine& s) { s.facts.brltty = true; }, 7,
         {{L::Warning, "the adapter of " + std::string(kById) + " is one of them: 0403:6001 (FTDI)",
           "systemctl mask brltty-udev.service"}}},
        {"a regular file", [](Machine& s) { s.facts.status[kById].kind = NodeKind::Regular; }, 3,
         {{L::Problem, "is not a serial device: it is a regular file", "by-id"}}},
        {"not a terminal", [](Machine& s) { s.facts.open.isTerminal = false; }, 3,
         {{L::Problem, "is a character device but not a serial port", "ttyUSB0"}}},
        {"not in the device's group",
         [](Machine& s) { s.Denied(), s.facts.self.processGroups = s.facts.self.databaseGroups = {1000}; }, 5,
         {{L::Problem, std::string("permission denied on ") + kById +
           ": it belongs to the user root and the group dialout (mode 0660); alice is not in the group dialout",
           "sudo usermod -aG dialout alice, then log out and log in again"}}},
        {"in the group database but not in this login",
         [](Machine& s) { s.Denied(), s.facts.self.processGroups = {1000}; }, 5,
         {{L::Problem, "alice was added to the group dialout after this login session began",
           "log out and log in again (or, for one shell at once: newgrp dialout)"}}},
        {"a device of root's group",
         [](Machine& s) { s.Denied(), s.facts.status[kById].gid = 0; }, 5,
         {{L::Problem, "the group root (mode 0660); its group may not read and write it",
           "KERNEL==\"ttyUSB[0-9]*\", GROUP=\"dialout\", MODE=\"0660\""}}},
        {"another user's pseudo-terminal",
         [](Machine& s) { s.Pts("/dev/pts/19"), s.Denied(); }, 5,
         {{L::Ok, "/dev/pts/19 exists", ""}, {L::Problem, "only its owner may use this pseudo-terminal", "run this program as root"}}},
        {"locked by a live process, stale lock of a dead one",
         [](Machine& s) {
             s.facts.locks["/run/lock/LCK..ttyUSB0"] = "      4321\n";
             s.facts.locks["/var/lock/LCK..ttyUSB0"] = "      4321\n";
             s.facts.locks["/tmp/LCK..serial_by-id_usb-FTDI_FT232R_A50285BI-if00-port0"] = "999\nrse\nhost\n";
             s.facts.processes.push_back({4321, "minicom", true, {}});
         }, 6,
         {{L::Warning, "stale lock file /tmp/LCK..serial_by-id_usb-FTDI_FT232R_A50285BI-if00-port0 of process 999",
           "sudo rm /tmp/LCK.."},
          {L::Problem, "is locked by process 4321 (minicom): lock file /run/lock/LCK..ttyUSB0",
           "close minicom, or end it: kill 4321"}}},
        {"held by ModemManager",
         [](Machine& s) { s.facts.processes.push_back({301, "ModemManager", true, {{"/dev/ttyUSB0"}}}); }, 5,
         {{L::Problem, "is open in process 301 (ModemManager)", "sudo systemctl stop ModemManager"},
          {L::Warning, "ModemManager is running", "sudo systemctl disable --now ModemManager"}}},
        {"the virtual radio on the other end of a pseudo-terminal",
         [](Machine& s) {
             s.Pts("/dev/pts/3");
             s.facts.usb.reset();
             s.facts.processes.push_back({500, "rse-radio-sim", true, {{"/dev/pts/3"}, {"/dev/ptmx", 3}}});
             s.facts.processes.push_back({501, "screen", true, {{"/dev/ptmx", 4}}});
         }, 7,
         {{L::Ok, "/dev/pts/3 exists", ""}, {L::Ok, pts3Free, ""}}},
        {"a cable without echo", [](Machine& s) { s.echo = false; }, 7,
         {{L::Problem, noEcho, "use --no-echo (start the editor with the /DE switch)"}}},
        {"without echo and --no-echo", [](Machine& s) { s.echo = false, s.noEcho = true; }, 7,
         {{L::Ok, noEcho, ""}}},
        {"--no-echo on a cable that echoes", [](Machine& s) { s.noEcho = true; }, 7,
         {{L::Warning, "echoes what is sent, but --no-echo (/DE) was given", "leave out --no-echo"}}},
        {"another model", [](Machine& s) { s.model = 0x0D49; }, 7,
         {{L::Problem, "reports the model code 0x0D49, not 0x0D48 (QM24 VH3400M): every transfer stops at "
           "the model check with \"ModelName Error !!\"", "connect a QM24 VH3400M"}}},
        {"nothing on the line", [](Machine& s) { s.radio = false; }, 7,
         {{L::Problem, noEcho, "--no-echo"}, {L::Problem, "no answer from the radio on", "put it into clone mode"}}},
        {"cancelled before the line checks", [](Machine& s) { s.cancel = true; }, 5, {}},
        {"cancelled while the echo is awaited", [](Machine& s) { s.echo = false, s.cancelAt = 100ms; }, 5, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine s;
        c.change(s);
        FakeClock clock;
        FakeLink link(clock);
        sim::RadioDevice radio(DefaultImage(), {}, s.echo, s.model);
        if (s.radio) AttachRadio(link, radio);
        std::atomic<bool> cancel{s.cancel};
        if (s.cancelAt) link.Arrive(*s.cancelAt, {}, [&cancel] { cancel = true; });
        DoctorEnvironment env{s.facts, link, clock, cancel, s.noEcho};
        std::vector<CheckLine> streamed;
        env.onLine = [&streamed](const CheckLine& l) { streamed.push_back(l); };

        const DoctorReport report = RunConnectionDoctor(s.device, env);

        std::string all;
        for (const CheckLine& l : report.lines)
            all += l.Format() + "\n";
        SCOPED_TRACE(all);
        EXPECT_EQ(report.lines.size(), c.count);
        auto want = c.notable.begin();
        for (const CheckLine& got : report.lines) {
            if (want != c.notable.end() && got.level == want->level &&
                got.text.find(want->text) != std::string::npos &&
                got.fix.find(want->fix) != std::string::npos) {
                ++want;
            } else {
                EXPECT_EQ(got.level, L::Ok) << got.text;
            }
            // A problem always says how to mend it, and never by opening the device to all
            // or by joining root's group.
            EXPECT_FALSE(got.level == L::Problem && got.fix.empty());
            EXPECT_EQ(got.fix.find("chmod"), std::string::npos);
            EXPECT_EQ(got.fix.find("-aG root"), std::string::npos);
        }
        EXPECT_TRUE(want == c.notable.end()) << "not found in order: " << want->text;
        EXPECT_EQ(streamed.size(), report.lines.size());
        EXPECT_EQ(report.cancelled, s.cancel || s.cancelAt);
        EXPECT_EQ(report.HasProblem(),
                  std::any_of(c.notable.begin(), c.notable.end(),
                              [](const Expect& e) { return e.level == L::Problem; }));
        // The radio is only asked for its model code; its memory is never written.
        for (const auto& w : link.writes)
            EXPECT_TRUE(w == Frame{kCAN} || w == ReadByteFrame(0) || w == ReadByteFrame(1));
        EXPECT_FALSE(link.IsOpen());
    }
}

TEST(ConnectionDoctor, LockFilesAndTheLinesAsPrinted) {
    EXPECT_EQ((CheckLine{L::Ok, "DEV exists", ""}).Format(), "ok: DEV exists");
    EXPECT_EQ((CheckLine{L::Problem, "no echo", "use --no-echo"}).Format(),
              "problem: no echo\nfix: use --no-echo");
    EXPECT_EQ(LockFileCandidates("/tmp/ttyRADIO").back(), "/var/tmp/LCK.._tmp_ttyRADIO");
    // clang-format off
    const std::vector<std::pair<std::string, int>> texts{
        {"      4321\n", 4321}, {"77\nrse\nhost\n", 77}, {"", 0}, {"abc", 0},
        {"1073741823", 1073741823}, {"1073741824", 0}, {"99999999999999", 0}, {"\x01\x02\x00\x00", 0}};
    // clang-format on
    for (const auto& [text, pid] : texts) {
        EXPECT_EQ(LockFilePid(text), pid) << text;
    }
}

}  // namespace
}  // namespace rse::test
