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
        MemoryImage image = ImageWithNumbers(mmsi, mmsi.empty() ? "" : "9" + mmsi);
        image[0xFA0] = 0x5A;
        EXPECT_TRUE(SaveImageFile(File(name), image).ok);
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
    MemoryImage Image(const std::string& name) const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(File(name), image).ok) << name;
        return image;
    }
    std::string MmsiOf(const std::string& name) const {
        return NumbersOf(IdentityOf(Image(name))).userMmsi;
    }

    ScopedEnv dataHome{"XDG_DATA_HOME", File("data")};
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
        {{"--backup"}, 1, "nothing was written", "366123456", false},
        {{"--keep-identity"}, 0, "Keeping the radio's numbers.", "366123456", true},
        {{"--change-identity", "--verify"}, 0, "Changing the radio's numbers.", "366999001", true},
        {{"--backup", "--keep-identity"}, 0, "Changes to program (2):", "366123456", true},
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
        // The count stays the radio's, kept or not; with --backup the radio's own bytes too.
        EXPECT_EQ(Image("saved.hex")[mem::kMmsiEntryCount.address],
                  c.written && c.mmsiAfter != "366123456" ? 0 : 3);
    }
}

// Lines of standard output until one starts with `prefix` (included); all of them.
std::string Until(Process& p, const std::string& prefix) {
    std::string seen;
    for (std::string line = "-"; !line.empty();) {
        line = p.ReadLine(60s);
        seen += line + "\n";
        if (line.rfind(prefix, 0) == 0) break;
    }
    return seen;
}

TEST_F(CliIdentity, FleetOfThreeKeepsEachIdentityLogsEveryRadioAndGoesOnAfterAFailure) {
    // Radio 1 acknowledges its first block without storing it (faults count across radios).
    Sim sim(
        dir,
        Sim::Fleet{{Radio("a.hex", "366123456"), Radio("b.hex", ""), Radio("c.hex", "366123457")}},
        {"--lose-write", "0x000"});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    Process cli({RSE_CLI_PATH, "fleet", "--port", sim.Device(), Template(), "--log",
                 File("LOG.csv"), "--records", File("records")},
                {}, dir.Path() / "cli.err", true);
    std::string out = Until(cli, "Connect radio 1,");
    cli.Input("\n");
    out += Until(cli, "Connect radio 2,");
    EXPECT_EQ(sim.Next(), "RADIO 2");
    cli.Input("\n");
    out += Until(cli, "Connect radio 3,");
    EXPECT_EQ(sim.Next(), "RADIO 3");
    cli.Input("\n");
    out += Until(cli, "Connect radio 4,");
    cli.CloseInput();
    out += Until(cli, "3 radios");
    EXPECT_EQ(cli.Wait(30s), 1);
    for (const char* said : {"Radio 1: failed, MMSI 366123456", "Radio 2: verified, backup ",
                             "  warning: no MMSI: enter it at the radio",
                             "Radio 3: verified, MMSI 366123457 (Ship, MID 366 (United States))",
                             "3 radios: 2 verified, 1 failed"}) {
        EXPECT_NE(out.find(said), std::string::npos) << said << "\n" << out;
    }
    EXPECT_NE(ReadText(dir.Path() / "cli.err").find("Verify Error!!"), std::string::npos);
    ASSERT_EQ(sim.Stop(), 0);
    // Each radio keeps its own identity and bytes, and takes the template's settings.
    const std::string mmsi[] = {"366123456", "", "366123457"};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const MemoryImage saved = Image("saved-" + std::to_string(n) + ".hex");
        EXPECT_EQ(NumbersOf(IdentityOf(saved)).userMmsi, mmsi[n - 1]);
        EXPECT_EQ(saved[mem::kMmsiEntryCount.address], 3);
        EXPECT_EQ(saved[0xFA0], 0x5A);
        EXPECT_EQ(saved[0x00A] == 0, n != 1);  // radio 1 lost that block
    }
    const std::string log = ReadText(File("LOG.csv"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
    EXPECT_EQ(
        log.rfind("time,radio,model,user_mmsi,mmsi_kind,atis_no,result,detail,backup,sha256\r\n",
                  0),
        0u);
    EXPECT_NE(
        log.find(",1,QM24 VH3400M,366123456,\"Ship, MID 366 (United States)\",9366123456,failed,"),
        std::string::npos)
        << log;
    EXPECT_NE(log.find(",2,QM24 VH3400M,,,,verified,no MMSI: enter it at the radio,"),
              std::string::npos)
        << log;
    EXPECT_FALSE(fs::exists(File("records/radio-1-366123456.pdf")));
    EXPECT_TRUE(fs::exists(File("records/radio-2-none.pdf")));
    EXPECT_TRUE(fs::exists(File("records/radio-3-366123457.pdf")));
}

// The lines for people follow the language of the environment; the log, which programs read,
// holds the same English words in every language.
TEST_F(CliIdentity, FleetSpeaksTheLanguageItsLogNever) {
    const struct {
        const char* language;
        const char* failed;  // what the first radio's line says
        const char* noMmsi;  // the warning of the second
        const char* summary;
        const char* connect;  // the question before radio N, up to its number
    } languages[] = {
        {"fr", "Radio 1 : en \u00e9chec, ISMM 366123456 (Navire, MID 366",
         "  avertissement : aucune ISMM : entrez-la sur la radio", "2 radios: 1 v\u00e9rifi\u00e9e",
         "Branchez la radio "},
        {"es", "Radio 1: fallida, MMSI 366123456 (Buque, MID 366",
         "  aviso: sin MMSI: introd\u00fazcalo en la radio", "2 radios: 1 verificada, 1 fallida",
         "Conecte la radio "},
    };
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        ScopedEnv language("LANGUAGE", l.language);
        ScopedEnv all("LC_ALL", "C.UTF-8");
        const std::string log = File(std::string(l.language) + ".csv");
        Sim sim(dir, Sim::Fleet{{Radio("a.hex", "366123456"), Radio("b.hex", "")}},
                {"--lose-write", "0x000"});
        ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
        Process cli({RSE_CLI_PATH, "fleet", "--port", sim.Device(), Template(), "--log", log}, {},
                    dir.Path() / "cli.err", true);
        const std::string connect = l.connect;
        std::string out = Until(cli, connect + "1");
        cli.Input("\n");
        out += Until(cli, connect + "2");
        EXPECT_EQ(sim.Next(), "RADIO 2");
        cli.Input("\n");
        out += Until(cli, connect + "3");
        cli.CloseInput();
        out += Until(cli, "2 radios");
        EXPECT_EQ(cli.Wait(30s), 1);
        ASSERT_EQ(sim.Stop(), 0);
        for (const char* said : {l.failed, l.noMmsi, l.summary})
            EXPECT_NE(out.find(said), std::string::npos) << said << "\n" << out;
        const std::string written = ReadText(log);
        for (const char* row :
             {"time,radio,model,user_mmsi,mmsi_kind,atis_no,result,detail,backup,sha256\r\n",
              ",1,QM24 VH3400M,366123456,\"Ship, MID 366 (United States)\",9366123456,failed,"
              "\"Verify Error!! The radio does not hold what was sent: ",
              ",2,QM24 VH3400M,,,,verified,no MMSI: enter it at the radio,"}) {
            EXPECT_NE(written.find(row), std::string::npos) << row << "\n" << written;
        }
    }
}

}  // namespace
}  // namespace rse::test
