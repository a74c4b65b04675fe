// rse-cli against rse-radio-sim on a pseudo-terminal. Read, program and clear-count the whole
// way from the command line to the radio's memory, a lost write, a pulled cable, Ctrl+C; what
// the engine does with each fault is proven against the fake link, this checks the wiring.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "cli_fixture.h"
#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"

namespace rse::test {
namespace {

class CliLink : public CliFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(File("radio.hex"), PatternImage()).ok); }
};

TEST_F(CliLink, ReadKeepsABackupProgramVerifiesAndClearTheCount) {
    // The radio acknowledges the block at 0x1A0 once without storing it.
    Sim sim(dir, {"--lose-write", "0x1A0"});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    std::string err = Ok({"read", "--port", sim.Device(), "-o", File("out.dat"), "--progress"}).err;
    EXPECT_NE(err.find("progress 90%\nprogress 100%\n"), std::string::npos) << err;
    EXPECT_NE(err.find("Read from Radio: Complete!!"), std::string::npos) << err;
    Configuration decoded = NewDocument().config;
    DecodeImage(PatternImage(), decoded);
    EXPECT_EQ(ReadText(File("out.dat")), ComposeConfigFile(decoded));

    err = Ok({"read", "--port", sim.Device(), "-o", File("x.hex"), "--no-backup"}).err;
    EXPECT_EQ(err.find("progress"), std::string::npos) << err;  // not a terminal, not asked
    EXPECT_EQ(Image("x.hex"), PatternImage());
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(File("data/rse/backups")))
        if (entry.path().extension() == ".hex") kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(Image(kept[0].string()), PatternImage());
    const ProcessResult list = Run({"backups"});
    EXPECT_EQ(list.out.rfind(kept[0].filename().string(), 0), 0u) << list.out;

    // A program's preview, then the lost block found by the verify (a program that succeeds is
    // the identity test's).
    MemoryImage image = PatternImage();
    image[0x1A3] ^= 0xFF;
    image[0x1A7] ^= 0xFF;
    ASSERT_TRUE(SaveImageFile(File("new.hex"), image).ok);
    const ProcessResult lost =
        Run({"program", "--port", sim.Device(), File("new.hex"), "--backup", "--verify"});
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("Changes to program (2):"), std::string::npos) << lost.err;
    EXPECT_NE(lost.err.find("Program to Radio: Verify Error!!"), std::string::npos) << lost.err;
    EXPECT_NE(lost.err.find("2 bytes differ, the first at address 0x01A3"), std::string::npos)
        << lost.err;

    err = Ok({"clear-count", "--port", sim.Device()}).err;
    EXPECT_NE(err.find("Clear Data: Complete!!"), std::string::npos) << err;
    image = PatternImage();  // the block lost, the count cleared
    image[mem::kMmsiEntryCount.address] = 0;
    EXPECT_EQ(Image("saved.hex"), image);
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(CliLink, PulledCableLeavesTheOutputFileAlone) {
    ASSERT_TRUE(WriteFileAtomic(File("out.hex"), "precious").ok);
    const auto listing = [this] {  // but for the files of the radio and of RunProgram
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.Path()))
            names.insert(e.path().filename().string());
        for (const char* own : {"sim.err", "saved.hex", ".stdout", ".stderr", "data"})
            names.erase(own);
        return names;
    };
    Sim sim(dir, {"--cut-after", "100"});
    const std::set<std::string> before = listing();
    const ProcessResult r = Run({"read", "--port", sim.Device(), "-o", File("out.hex")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Read from Radio: CommunicatiOn Error!!"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("was lost: the line hung up"), std::string::npos) << r.err;
    EXPECT_EQ(ReadText(File("out.hex")), "precious");
    sim.Stop();                    // the radio's own files are complete
    EXPECT_EQ(listing(), before);  // and nothing was written beside it
}

// Reads and drops what arrives on `device` until it has been quiet for `quiet`: the count.
std::size_t DrainUntilQuiet(const std::string& device, std::chrono::milliseconds quiet) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    std::size_t drained = 0;
    char buffer[256];
    for (pollfd pfd{fd, POLLIN, 0}; ::poll(&pfd, 1, static_cast<int>(quiet.count())) > 0;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        drained += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return drained;
}

TEST_F(CliLink, CtrlCStopsAReadCleanly) {
    Sim sim(dir, {"--baud", "9600"});
    // Standard output and error in one pipe, read as it comes.
    Process cli({RSE_CLI_PATH, "read", "--port", sim.Device(), "-o", File("out.hex"), "--progress"},
                {}, {});
    std::string err = cli.ReadUntil("progress 10%", 60s);
    ASSERT_TRUE(err.ends_with("\nprogress 10%\n")) << err;
    cli.Signal(SIGINT);
    err += cli.ReadUntil("", 30s);
    EXPECT_EQ(cli.Wait(30s), 1);
    EXPECT_NE(err.find("Interrupted."), std::string::npos) << err;
    EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(File("out.hex")));

    // The radio finishes the answer it was giving, at most one frame; then the port, closed
    // and its lock released, serves the next command at the first try.
    EXPECT_LE(DrainUntilQuiet(sim.Device(), 300ms), 64u);
    const ProcessResult next = Run({"clear-count", "--port", sim.Device()});
    EXPECT_EQ(next.status, 0) << next.err;
}

// rse-cli doctor: the real facts of this computer and the flag's way to the checks. Every
// other finding is proven on a made-up computer.
struct DoctorCase {
    const char* name;
    std::vector<std::string> simArgs;
    std::vector<std::string> cliArgs;
    bool unprivileged = false;
    int status = 0;
    std::vector<std::string> lines;  // found in this order; DEV stands for the device
};

using CliDoctor = CliFixture;

TEST_F(CliDoctor, SaysWhatKeepsATransferFromTheRadio) {
    ASSERT_TRUE(SaveImageFile(File("radio.hex"), DefaultImage()).ok);
    // clang-format off
    const std::vector<DoctorCase> cases{
        {"sound radio", {}, {}, false, 0,
         {"ok: DEV is a character device and a serial port", "ok: no other program holds DEV",
          "(rse-radio-sim) is the other end",
          "ok: the radio on DEV answers the model check: model code 0x0D48, QM24 VH3400M"}},
        {"cable without echo, --no-echo given", {"--no-echo"}, {"--no-echo"}, false, 0,
         {"ok: no echo on DEV, as --no-echo (/DE) says", "ok: the radio on DEV answers"}},
        {"device this user may not open", {}, {}, true, 1,
         {"problem: permission denied on DEV: it belongs to the user root and the group dialout "
          "(mode 0660); nobody is not in the group dialout",
          "fix: sudo usermod -aG dialout nobody, then log out and log in again"}},
    };
    // clang-format on
    // The group a USB serial adapter belongs to, by name: its number differs between systems.
    const group* dialout = ::getgrnam("dialout");
    std::vector<std::string> skipped;
    for (const DoctorCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.unprivileged && (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0 ||
                               dialout == nullptr || ::getpwnam("nobody") == nullptr)) {
            skipped.push_back(c.name);  // needs root to act as another user, and the group
            continue;
        }
        Sim sim(dir, c.simArgs);
        const std::string dev = sim.Device();
        ASSERT_FALSE(dev.empty()) << sim.Errors();
        if (c.unprivileged) {
            // As a USB serial adapter is: root's, the group dialout may read and write it.
            ASSERT_EQ(::chown(dev.c_str(), 0, dialout->gr_gid), 0);
            ASSERT_EQ(::chmod(dev.c_str(), 0660), 0);
        }
        std::vector<std::string> args{"doctor", "--port", dev};
        args.insert(args.end(), c.cliArgs.begin(), c.cliArgs.end());
        // As the user nobody when unprivileged; its standard output, then its standard error.
        ProcessResult run = Run(
            args, c.unprivileged ? std::vector<std::string>{"/usr/bin/setpriv", "--reuid=nobody",
                                                            "--regid=nogroup", "--clear-groups"}
                                 : std::vector<std::string>{});
        run.out += run.err;
        EXPECT_EQ(run.status, c.status) << run.out;
        std::size_t at = 0;
        for (std::string want : c.lines) {
            for (std::size_t p; (p = want.find("DEV")) != std::string::npos;)
                want.replace(p, 3, dev);
            const std::size_t found = run.out.find(want, at);
            EXPECT_NE(found, std::string::npos) << want << "\n" << run.out;
            if (found != std::string::npos) at = found + want.size();
        }
        EXPECT_EQ(run.out.find("problem:") == std::string::npos, c.status == 0) << run.out;
        EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
    }
    if (!skipped.empty()) GTEST_SKIP() << "not run here (needs root and setpriv): " << skipped[0];
}

}  // namespace
}  // namespace rse::test
