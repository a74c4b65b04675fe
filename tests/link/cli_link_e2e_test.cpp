// rse-cli read, program and clear-count on a pseudo-terminal against rse-radio-sim: the whole
// way from the command line to the radio's memory, a lost write, a pulled cable, Ctrl+C. What
// the engine does with each fault is proven against the fake link; this checks the wiring.
#include <gtest/gtest.h>

#include <set>

#include "cli_fixture.h"
#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"

namespace rse::test {
namespace {

class CliLink : public CliFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(File("radio.hex"), PatternImage()).ok); }

    // Runs rse-cli, which must succeed: its standard error.
    std::string Ok(std::vector<std::string> args) {
        const ProcessResult r = Run(std::move(args));
        EXPECT_EQ(r.status, 0) << r.err;
        return r.err;
    }
    MemoryImage Image(const std::string& path) const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(path, image).ok) << path;
        return image;
    }

    ScopedEnv dataHome{"XDG_DATA_HOME", File("data")};  // backups of reads go here
};

TEST_F(CliLink, ReadKeepsABackupProgramVerifiesAndClearTheCount) {
    // The radio acknowledges the block at 0x1A0 once without storing it.
    Sim sim(dir, {"--lose-write", "0x1A0"});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    std::string err = Ok({"read", "--port", sim.Device(), "-o", File("out.dat")});
    EXPECT_NE(err.find("progress 100%"), std::string::npos) << err;
    EXPECT_NE(err.find("Read from Radio: Complete!!"), std::string::npos) << err;
    Configuration fromFile = NewDocument().config;
    ASSERT_TRUE(FileRead2(File("out.dat"), fromFile).ok);
    Configuration decoded = NewDocument().config;
    DecodeImage(PatternImage(), decoded);
    EXPECT_EQ(fromFile, decoded);

    Ok({"read", "--port", sim.Device(), "-o", File("x.hex"), "--no-backup"});
    EXPECT_EQ(Image(File("x.hex")), PatternImage());
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(File("data/rse/backups")))
        if (entry.path().extension() == ".hex") kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(Image(kept[0].string()), PatternImage());
    const ProcessResult list = Run({"backups"});
    EXPECT_EQ(list.out.rfind(kept[0].filename().string(), 0), 0u) << list.out;
    EXPECT_NE(list.out.find("QM24 VH3400M"), std::string::npos) << list.out;

    MemoryImage image = PatternImage();
    image[0x1A3] ^= 0xFF;
    image[0x1A7] ^= 0xFF;
    image[addr::kMmsiEntryCount] = 9;
    ASSERT_TRUE(SaveImageFile(File("new.hex"), image).ok);
    const ProcessResult lost =
        Run({"program", "--port", sim.Device(), File("new.hex"), "--verify"});
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("Program to Radio: Verify Error!!"), std::string::npos) << lost.err;
    EXPECT_NE(lost.err.find("2 bytes differ, the first at address 0x01A3"), std::string::npos)
        << lost.err;
    EXPECT_EQ(lost.err.find("Complete!!"), std::string::npos) << lost.err;
    err = Ok({"program", "--port", sim.Device(), File("new.hex"), "--backup", "--verify"});
    EXPECT_NE(err.find("Changes to program (2):"), std::string::npos) << err;
    EXPECT_EQ(Image(File("saved.hex")), image);

    err = Ok({"clear-count", "--port", sim.Device()});
    EXPECT_NE(err.find("Clear Data: Complete!!"), std::string::npos) << err;
    image[addr::kMmsiEntryCount] = 0;
    EXPECT_EQ(Image(File("saved.hex")), image);
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

TEST_F(CliLink, CtrlCStopsAReadCleanly) {
    Sim sim(dir, {"--baud", "9600"});
    const fs::path errPath = dir.Path() / "cli.err";
    Process cli({RSE_CLI_PATH, "read", "--port", sim.Device(), "-o", File("out.hex")},
                dir.Path() / "cli.out", errPath);
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         ReadText(errPath).find("progress 3%") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline;)
        std::this_thread::sleep_for(10ms);
    cli.Signal(SIGINT);
    EXPECT_EQ(cli.Wait(30s), 1);
    const std::string err = ReadText(errPath);
    EXPECT_NE(err.find("Interrupted."), std::string::npos) << err;
    EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(File("out.hex")));

    // The port was closed and its lock released: the radio can be used again. What the radio
    // still sends of the interrupted answer may spoil a first try.
    int status = -1;
    for (int i = 0; i < 3 && status != 0; ++i)
        status = Run({"clear-count", "--port", sim.Device()}).status;
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace rse::test
