// rse-cli program's identity guard and rse-cli fleet against the virtual radio: the wiring
// from the command line to the radios' memories, the log and the records. What the guard and
// the fleet's radio do in every case is proven against the fake link.
#include <gtest/gtest.h>

#include "cli_fixture.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "image/identity.h"

namespace rse::test {
namespace {

class CliIdentity : public CliFixture {
  protected:
    // A radio image holding these numbers (and a count the program must not touch).
    std::string Radio(const std::string& name, const std::string& mmsi) {
        EXPECT_TRUE(
            SaveImageFile(File(name), ImageWithNumbers(mmsi, mmsi.empty() ? "" : "9" + mmsi)).ok);
        return File(name);
    }
    // The template: another boat's MMSI, key beep off, a tag.
    std::string Template() {
        Configuration config = NewDocument().config;
        config.SETCOM.UserMmsid = "366999001";
        config.SETCOM.KeyBeep = false;
        config.CHUSA[0].ChTag = "HARBOUR";
        EXPECT_TRUE(SaveFileAs(File("boats.dat"), config).ok);
        return File("boats.dat");
    }
    std::string MmsiOf(const std::string& name) const {
        return NumbersOf(IdentityOf(Image(name))).userMmsi;
    }
};

TEST_F(CliIdentity, ProgramRefusesUnlessTheScriptSaysWhichIdentityItMeans) {
    const std::string sentence =
        "This radio's own MMSI is 366123456. The configuration would change it to 366999001.";
    struct Case {
        std::vector<std::string> flags;
        int status;
        std::string said;  // on standard error
        std::string mmsiAfter;
        bool written;
    };
    // clang-format off
    const Case cases[] = {
        {{}, 1, "nothing was written; give --keep-identity or --change-identity.", "366123456", false},
        {{"--keep-identity"}, 0, "Keeping the radio's numbers.", "366123456", true},
        {{"--change-identity", "--verify"}, 0, "Changing the radio's numbers.", "366999001", true},
        {{"--keep-identity", "--change-identity"}, 2, "exclude each other", "366123456", false},
    };
    // clang-format on
    const std::string dat = Template();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.flags));
        Radio("radio.hex", "366123456");
        Sim sim(dir);
        std::vector<std::string> args{"program", "--port", sim.Device(), dat};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(sentence) != std::string::npos, c.status != 2) << r.err;
        ASSERT_EQ(sim.Stop(), 0);
        EXPECT_EQ(MmsiOf("saved.hex"), c.mmsiAfter);
        EXPECT_EQ(Image("saved.hex")[0x00A] == 0, c.written);
        // The count stays the radio's, kept or not.
        EXPECT_EQ(Image("saved.hex")[mem::kMmsiEntryCount.address],
                  c.written && c.mmsiAfter != "366123456" ? 0 : 3);
    }
}

class CliFleet : public CliIdentity {
  protected:
    // Runs rse-cli fleet in this language over radios holding these MMSIs, radio 1 acknowledging
    // its first block without storing it; answers each question (`connect`, up to the radio's
    // number), the virtual radio switching to the next, none after the last. What it said.
    std::string Fleet(const char* language, const std::vector<std::string>& mmsis,
                      const std::string& connect) {
        ScopedEnv env("LANGUAGE", language);
        ScopedEnv all("LC_ALL", "C.UTF-8");
        const int radios = static_cast<int>(mmsis.size());
        Sim::Fleet fleet;
        for (int n = 1; n <= radios; ++n)
            fleet.images.push_back(Radio(std::to_string(n) + ".hex", mmsis[n - 1]));
        Sim sim(dir, fleet, {"--lose-write", "0x000"});
        EXPECT_FALSE(sim.Device().empty()) << sim.Errors();
        Process cli({RSE_CLI_PATH, "fleet", "--port", sim.Device(), Template(), "--log",
                     File("LOG.csv"), "--records", File("records")},
                    {}, dir.Path() / "cli.err", true);
        std::string out = cli.ReadUntil(connect + "1", 60s);
        for (int n = 2; n <= radios + 1; ++n) {
            cli.Input("\n");
            out += cli.ReadUntil(connect + std::to_string(n), 60s);
            if (n <= radios) {
                EXPECT_EQ(sim.Next(), "RADIO " + std::to_string(n));
            }
        }
        cli.CloseInput();
        out += cli.ReadUntil(std::to_string(radios) + " radios", 60s);
        EXPECT_EQ(cli.Wait(30s), 1);
        EXPECT_EQ(sim.Stop(), 0);
        return out + ReadText(dir.Path() / "cli.err");
    }
};

// Radio 1 fails; the fleet goes on, and each radio keeps its own identity and takes the
// template's settings.
TEST_F(CliFleet, KeepsEachIdentityLogsEveryRadioAndGoesOnAfterAFailure) {
    const std::vector<std::string> mmsis{"366123456", "", "366123457"};
    const std::string said = Fleet("en", mmsis, "Connect radio ");
    for (const char* line :
         {"Verify Error!!", "Radio 1: failed, MMSI 366123456", "Radio 2: verified, backup ",
          "  warning: no MMSI: enter it at the radio",
          "Radio 3: verified, MMSI 366123457 (Ship, MID 366 (United States))",
          "3 radios: 2 verified, 1 failed"}) {
        EXPECT_NE(said.find(line), std::string::npos) << line << "\n" << said;
    }
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const std::string mmsi = mmsis[n - 1];
        const MemoryImage saved = Image("saved-" + std::to_string(n) + ".hex");
        EXPECT_EQ(NumbersOf(IdentityOf(saved)).userMmsi, mmsi);
        EXPECT_EQ(saved[0x00A] == 0, n != 1);  // radio 1 lost that block
        // A record of each radio verified, named by its MMSI.
        const std::string record =
            "records/radio-" + std::to_string(n) + "-" + (mmsi.empty() ? "none" : mmsi) + ".pdf";
        EXPECT_EQ(fs::exists(File(record)), n != 1);
    }
    const std::string log = ReadText(File("LOG.csv"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
    EXPECT_NE(log.find(",2,QM24 VH3400M,,,,verified,no MMSI: enter it at the radio,"),
              std::string::npos)
        << log;
}

// The lines for people follow the language of the environment; the log, which programs read,
// holds the same English words in every language.
TEST_F(CliFleet, SpeaksTheLanguageOfTheEnvironmentButLogsInEnglish) {
    const std::string said = Fleet("fr", {"366123456", ""}, "Branchez la radio ");
    for (const char* line : {"Erreur de v\u00e9rification!!",
                             "Radio 1 : en \u00e9chec, ISMM 366123456 (Navire, MID 366",
                             "Radio 2 : v\u00e9rifi\u00e9e, sauvegarde ",
                             "  avertissement : aucune ISMM : entrez-la sur la radio",
                             "2 radios : 1 v\u00e9rifi\u00e9e, 1 en \u00e9chec"}) {
        EXPECT_NE(said.find(line), std::string::npos) << line << "\n" << said;
    }
    const std::string log = ReadText(File("LOG.csv"));
    EXPECT_NE(log.find(",1,QM24 VH3400M,366123456,\"Ship, MID 366 (United States)\",9366123456,"
                       "failed,\"Verify Error!! The radio does not hold what was sent: "),
              std::string::npos)
        << log;
}

}  // namespace
}  // namespace rse::test
