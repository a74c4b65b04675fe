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
};

using L = CheckLevel;
struct Expect {  // text and fix are found in the line's text and fix
    L level;
    std::string text, fix;
};

struct Case {
    const char* name;
    std::function<void(Machine&)> change;
    std::vector<Expect> lines;
};

const Expect kExists{L::Ok, "exists (it leads to /dev/ttyUSB0)", ""};
const Expect kDevice{L::Ok, "is a character device and a serial port", ""};
const Expect kOpens{L::Ok, "alice may open", ""};
const Expect kFree{L::Ok, "no other program holds", ""};
const Expect kNoThief{L::Ok, "neither brltty nor ModemManager", ""};
const Expect kEcho{L::Ok, "echoes what is sent", ""};
const Expect kModel{L::Ok, "answers the model check: model code 0x0D48, QM24 VH3400M", ""};

TEST(ConnectionDoctor, EveryCheckSaysWhatIsWrongAndHowToMendIt) {
    const std::string pts3Free =
        "no other program holds /dev/pts/3, as far as this user can see (the open files of 1 "
        "process of other users are hidden); process 500 (rse-radio-sim) is the other end of "
        "this pseudo-terminal";
    const Expect kIsChar{L::Ok, "is a character device", ""};
    // clang-format off
    const std::vector<Case> cases{
        {"sound", [](Machine&) {}, {kExists, kDevice, kOpens, kFree, kNoThief, kEcho, kModel}},
        {"missing device lists the ports found", [](Machine& s) { s.device = "/dev/ttyUSB9"; },
         {{L::Problem, "/dev/ttyUSB9 does not exist", std::string("serial ports found: ") + kById +
           ", /dev/ttyUSB0 (names under /dev/serial/by-id/ stay the same"}, kNoThief}},
        {"brltty took the CH340 adapter",
         [](Machine& s) {
             s.device = "/dev/ttyUSB0";
             s.facts.status.clear();
             s.facts.ports.clear();
             s.facts.brltty = true;
             s.facts.usbDevices.push_back({0x1a86, 0x7523});
         },
         {{L::Problem, "/dev/ttyUSB0 does not exist", "plug in the cable's USB adapter"},
          {L::Problem, "brltty (a braille display driver) is installed", "sudo apt-get remove brltty"}}},
        {"brltty with an adapter that still works", [](Machine& s) { s.facts.brltty = true; },
         {kExists, kDevice, kOpens, kFree,
          {L::Warning, "the adapter of " + std::string(kById) + " is one of them: 0403:6001 (FTDI)",
           "systemctl mask brltty-udev.service"}, kEcho, kModel}},
        {"a regular file", [](Machine& s) { s.facts.status[kById].kind = NodeKind::Regular; },
         {kExists, {L::Problem, "is not a serial device: it is a regular file", "by-id"}, kNoThief}},
        {"not a terminal", [](Machine& s) { s.facts.open.isTerminal = false; },
         {kExists, {L::Problem, "is a character device but not a serial port", "ttyUSB0"}, kNoThief}},
        {"not in the device's group",
         [](Machine& s) {
             s.facts.open = {EACCES, "Permission denied", false};
             s.facts.self.processGroups = s.facts.self.databaseGroups = {1000};
         },
         {kExists, kIsChar,
          {L::Problem, std::string("permission denied on ") + kById +
           ": it belongs to the user root and the group dialout (mode 0660); alice is not in the group dialout",
           "sudo usermod -aG dialout alice, then log out and log in again"}, kFree, kNoThief}},
        {"in the group database but not in this login",
         [](Machine& s) {
             s.facts.open = {EACCES, "Permission denied", false};
             s.facts.self.processGroups = {1000};
         },
         {kExists, kIsChar,
          {L::Problem, "alice was added to the group dialout after this login session began",
           "log out and log in again (or, for one shell at once: newgrp dialout)"}, kFree, kNoThief}},
        {"a device of root's group",
         [](Machine& s) {
             s.facts.status[kById].gid = 0;
             s.facts.open = {EACCES, "Permission denied", false};
         },
         {kExists, kIsChar,
          {L::Problem, "the group root (mode 0660); its group may not read and write it",
           "KERNEL==\"ttyUSB[0-9]*\", GROUP=\"dialout\", MODE=\"0660\""}, kFree, kNoThief}},
        {"another user's pseudo-terminal",
         [](Machine& s) {
             s.device = "/dev/pts/7";
             s.facts.status[s.device] = {0, {}, NodeKind::CharDevice, "/dev/pts/7", 0, 5, 0620};
             s.facts.open = {EACCES, "Permission denied", false};
         },
         {{L::Ok, "/dev/pts/7 exists", ""}, kIsChar,
          {L::Problem, "only its owner may use this pseudo-terminal", "run this program as root"}, kFree, kNoThief}},
        {"locked by a live process, stale lock of a dead one",
         [](Machine& s) {
             s.facts.locks["/run/lock/LCK..ttyUSB0"] = "      4321\n";
             s.facts.locks["/var/lock/LCK..ttyUSB0"] = "      4321\n";
             s.facts.locks["/tmp/LCK..serial_by-id_usb-FTDI_FT232R_A50285BI-if00-port0"] = "999\nrse\nhost\n";
             s.facts.processes.push_back({4321, "minicom", true, {}});
         },
         {kExists, kDevice, kOpens,
          {L::Warning, "stale lock file /tmp/LCK..serial_by-id_usb-FTDI_FT232R_A50285BI-if00-port0 of process 999",
           "sudo rm /tmp/LCK.."},
          {L::Problem, "is locked by process 4321 (minicom): lock file /run/lock/LCK..ttyUSB0",
           "close minicom, or end it: kill 4321"}, kNoThief}},
        {"held by ModemManager",
         [](Machine& s) { s.facts.processes.push_back({301, "ModemManager", true, {{"/dev/ttyUSB0"}}}); },
         {kExists, kDevice, kOpens,
          {L::Problem, "is open in process 301 (ModemManager)", "sudo systemctl stop ModemManager"},
          {L::Warning, "ModemManager is running", "sudo systemctl disable --now ModemManager"}}},
        {"the virtual radio on the other end of a pseudo-terminal",
         [](Machine& s) {
             s.device = "/dev/pts/3";
             s.facts.status[s.device] = {0, {}, NodeKind::CharDevice, "/dev/pts/3", 0, 5, 0620};
             s.facts.usb.reset();
             s.facts.processes.push_back({500, "rse-radio-sim", true, {{"/dev/pts/3"}, {"/dev/ptmx", 3}}});
             s.facts.processes.push_back({501, "screen", true, {{"/dev/ptmx", 4}}});
         },
         {{L::Ok, "/dev/pts/3 exists", ""}, kDevice, kOpens, {L::Ok, pts3Free, ""}, kNoThief, kEcho, kModel}},
        {"a cable without echo", [](Machine& s) { s.echo = false; },
         {kExists, kDevice, kOpens, kFree, kNoThief,
          {L::Problem, "no echo on", "use --no-echo (start the editor with the /DE switch)"}, kModel}},
        {"without echo and --no-echo", [](Machine& s) { s.echo = false, s.noEcho = true; },
         {kExists, kDevice, kOpens, kFree, kNoThief, {L::Ok, "no echo on", ""}, kModel}},
        {"--no-echo on a cable that echoes", [](Machine& s) { s.noEcho = true; },
         {kExists, kDevice, kOpens, kFree, kNoThief,
          {L::Warning, "echoes what is sent, but --no-echo (/DE) was given", "leave out --no-echo"}, kModel}},
        {"another model", [](Machine& s) { s.model = 0x0D49; },
         {kExists, kDevice, kOpens, kFree, kNoThief, kEcho,
          {L::Problem, "reports the model code 0x0D49, not 0x0D48 (QM24 VH3400M): every transfer stops at "
           "the model check with \"ModelName Error !!\"", "connect a QM24 VH3400M"}}},
        {"nothing on the line", [](Machine& s) { s.radio = false; },
         {kExists, kDevice, kOpens, kFree, kNoThief, {L::Problem, "no echo on", "--no-echo"},
          {L::Problem, "no answer from the radio on", "put it into clone mode"}}},
        {"cancelled before the line checks", [](Machine& s) { s.cancel = true; },
         {kExists, kDevice, kOpens, kFree, kNoThief}},
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
        DoctorEnvironment env{s.facts, link, clock, cancel, s.noEcho};
        std::vector<CheckLine> streamed;
        env.onLine = [&streamed](const CheckLine& l) { streamed.push_back(l); };

        const DoctorReport report = RunConnectionDoctor(s.device, env);

        std::string all;
        for (const CheckLine& l : report.lines)
            all += l.Format() + "\n";
        SCOPED_TRACE(all);
        ASSERT_EQ(report.lines.size(), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const CheckLine& got = report.lines[i];
            EXPECT_EQ(got.level, c.lines[i].level) << i;
            EXPECT_NE(got.text.find(c.lines[i].text), std::string::npos) << i;
            EXPECT_NE(got.fix.find(c.lines[i].fix), std::string::npos) << i;
            // A problem always says how to mend it, and never by opening the device to all
            // or by joining root's group.
            EXPECT_FALSE(got.level == L::Problem && got.fix.empty()) << i;
            EXPECT_EQ(got.fix.find("chmod"), std::string::npos) << i;
            EXPECT_EQ(got.fix.find("-aG root"), std::string::npos) << i;
        }
        EXPECT_EQ(streamed.size(), report.lines.size());
        EXPECT_EQ(report.cancelled, s.cancel);
        const bool problem = std::any_of(c.lines.begin(), c.lines.end(),
                                         [](const Expect& e) { return e.level == L::Problem; });
        EXPECT_EQ(report.HasProblem(), problem);
        // The radio is only asked for its model code; its memory is never written.
        for (const auto& w : link.writes)
            EXPECT_TRUE(w == Frame{kCAN} || w == ReadByteFrame(0) || w == ReadByteFrame(1));
        EXPECT_FALSE(link.IsOpen());
    }
}

TEST(ConnectionDoctor, LockFileNamesAndTheirProcessNumbers) {
    EXPECT_EQ(LockFileCandidates("/dev/ttyUSB0").front(), "/run/lock/LCK..ttyUSB0");
    EXPECT_EQ(LockFileCandidates("/dev/serial/by-id/usb-X").front(),
              "/run/lock/LCK..serial_by-id_usb-X");
    EXPECT_EQ(LockFileCandidates("/tmp/ttyRADIO").back(), "/var/tmp/LCK.._tmp_ttyRADIO");
    const std::vector<std::pair<std::string, int>> texts{
        {"      4321\n", 4321}, {"77\nrse\nhost\n", 77}, {"", 0}, {"abc", 0},
        {"99999999999999", 0},  {"\x01\x02\x00\x00", 0}};
    for (const auto& [text, pid] : texts) {
        EXPECT_EQ(LockFilePid(text), pid) << text;
    }
}

}  // namespace
}  // namespace rse::test
