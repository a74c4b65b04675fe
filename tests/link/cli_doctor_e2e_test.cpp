// rse-cli doctor against rse-radio-sim on a pseudo-terminal: the real facts of this computer
// and the flag's way to the checks. Every other finding is proven on a made-up computer.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "cli_fixture.h"
#include "files/image_file.h"
#include "image/codec.h"

namespace rse::test {
namespace {

struct Case {
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
    const std::vector<Case> cases{
        {"sound radio", {}, {}, false, 0,
         {"ok: DEV exists", "ok: DEV is a character device and a serial port",
          "ok: no other program holds DEV", "(rse-radio-sim) is the other end",
          "ok: the cable on DEV echoes what is sent",
          "ok: the radio on DEV answers the model check: model code 0x0D48, QM24 VH3400M"}},
        {"cable without echo", {"--no-echo"}, {}, false, 1,
         {"problem: no echo on DEV: the cable did not send back what was sent",
          "fix: if the cable does not echo, use --no-echo (start the editor with the /DE switch)",
          "ok: the radio on DEV answers the model check"}},
        {"cable without echo, --no-echo given", {"--no-echo"}, {"--no-echo"}, false, 0,
         {"ok: no echo on DEV, as --no-echo (/DE) says", "ok: the radio on DEV answers"}},
        {"device this user may not open", {}, {}, true, 1,
         {"problem: permission denied on DEV: it belongs to the user root and the group dialout "
          "(mode 0660); nobody is not in the group dialout",
          "fix: sudo usermod -aG dialout nobody, then log out and log in again"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.unprivileged && (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0)) {
            continue;  // needs root to act as another user
        }
        Sim sim(dir, c.simArgs);
        const std::string dev = sim.Device();
        ASSERT_FALSE(dev.empty()) << sim.Errors();
        if (c.unprivileged) {
            // As a USB serial adapter is: root's, the group dialout may read and write it.
            ASSERT_EQ(::chown(dev.c_str(), 0, 20), 0);
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
}

}  // namespace
}  // namespace rse::test
