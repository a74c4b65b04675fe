// rse-cli read, program and clear-count on a pseudo-terminal against rse-radio-sim: the whole
// way from the command line to the radio's memory, a pulled cable, an injected fault, Ctrl+C.
#include <gtest/gtest.h>

#include <set>

#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "process.h"

namespace rse::test {
namespace {

class CliLink : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(dir.File("radio.hex"), PatternImage()).ok); }

    // Runs rse-cli to its end: its exit status; its standard error in err.
    int Cli(std::vector<std::string> args, std::string& err) {
        args.insert(args.begin(), RSE_CLI);
        const ProcessResult r = RunProgram(args, dir.Path());
        err = r.err;
        return r.status;
    }
    // Runs rse-cli, which must succeed: its standard error.
    std::string Ok(std::vector<std::string> args) {
        std::string err;
        EXPECT_EQ(Cli(std::move(args), err), 0) << err;
        return err;
    }
    // The files in the folder, but for those of the radio and of RunProgram.
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.Path()))
            names.insert(e.path().filename().string());
        for (const char* own : {"sim.err", "saved.hex", ".stdout", ".stderr", "data"})
            names.erase(own);
        return names;
    }
    MemoryImage Image(const std::string& name) const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(dir.File(name), image).ok) << name;
        return image;
    }

    TempDir dir;
    ScopedEnv dataHome{"XDG_DATA_HOME", dir.File("data")};  // backups of reads go here
};

TEST_F(CliLink, ReadToHexAndDatThenProgramBackAndClearTheCount) {
    Sim sim(dir);
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    std::string err = Ok({"read", "--port", sim.Device(), "-o", dir.File("out.hex")});
    EXPECT_EQ(Image("out.hex"), PatternImage());
    EXPECT_NE(err.find("progress 100%"), std::string::npos) << err;
    EXPECT_NE(err.find("Read from Radio: Complete!!"), std::string::npos) << err;

    Ok({"read", "--port", sim.Device(), "-o", dir.File("out.dat")});
    Configuration fromFile = NewDocument().config;
    ASSERT_TRUE(FileRead2(dir.File("out.dat"), fromFile).ok);
    Configuration decoded = NewDocument().config;
    DecodeImage(PatternImage(), decoded);
    EXPECT_EQ(fromFile, decoded);

    // A .dat goes over the base image; a .hex goes as it is.
    MemoryImage expected = DefaultImage();
    expected[0xFFF] = 0x77;
    ASSERT_TRUE(SaveImageFile(dir.File("base.hex"), expected).ok);
    EncodeImage(fromFile, expected);
    err = Ok(
        {"program", "--port", sim.Device(), dir.File("out.dat"), "--base", dir.File("base.hex")});
    EXPECT_NE(err.find("Program to Radio: Complete!!"), std::string::npos) << err;
    EXPECT_EQ(Image("saved.hex"), expected);

    MemoryImage raw = PatternImage(3);
    raw[addr::kMmsiEntryCount] = 9;
    ASSERT_TRUE(SaveImageFile(dir.File("raw.hex"), raw).ok);
    Ok({"program", "--port", sim.Device(), dir.File("raw.hex")});
    EXPECT_EQ(Image("saved.hex"), raw);

    err = Ok({"clear-count", "--port", sim.Device()});
    EXPECT_NE(err.find("Clear Data: Complete!!"), std::string::npos) << err;
    raw[addr::kMmsiEntryCount] = 0;
    EXPECT_EQ(Image("saved.hex"), raw);
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(CliLink, ReadsAreKeptAndProgramVerifies) {
    Sim sim(dir, {"--lose-write", "0x1A0"});
    Ok({"read", "--port", sim.Device(), "-o", dir.File("out.hex")});
    Ok({"read", "--port", sim.Device(), "-o", dir.File("x.hex"), "--no-backup"});
    std::string err;
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(dir.File("data/rse/backups")))
        if (entry.path().extension() == ".hex") kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(Image(kept[0].string()), PatternImage());
    Process list({RSE_CLI, "backups"}, {}, dir.Path() / "list.err");
    const std::string line = list.ReadLine(30s);
    EXPECT_EQ(list.Wait(30s), 0);
    EXPECT_EQ(line.rfind(kept[0].filename().string(), 0), 0u) << line;
    EXPECT_NE(line.find("QM24 VH3400M"), std::string::npos) << line;

    // The radio acknowledges the block at 0x1A0 once without storing it.
    MemoryImage image = PatternImage();
    image[0x1A3] ^= 0xFF;
    image[0x1A7] ^= 0xFF;
    ASSERT_TRUE(SaveImageFile(dir.File("new.hex"), image).ok);
    EXPECT_EQ(Cli({"program", "--port", sim.Device(), dir.File("new.hex"), "--verify"}, err), 1);
    EXPECT_NE(err.find("Program to Radio: Verify Error!!"), std::string::npos) << err;
    EXPECT_NE(err.find("2 bytes differ, the first at address 0x01A3"), std::string::npos) << err;
    EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;
    err = Ok({"program", "--port", sim.Device(), dir.File("new.hex"), "--backup", "--verify"});
    EXPECT_NE(err.find("Changes to program (2):"), std::string::npos) << err;
    EXPECT_EQ(Image("saved.hex"), image);
}

TEST_F(CliLink, FailedReadLeavesTheOutputFileAlone) {
    const struct {
        std::vector<std::string> fault;
        const char* output;
        const char* reason;
    } cases[] = {{{"--cut-after", "100"}, "out.hex", "was lost: the line hung up"},
                 {{"--bad-checksum", "0x640:2"}, "out.dat", "address 0x0640 after 2 attempts"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        ASSERT_TRUE(WriteFileAtomic(dir.File(c.output), "precious").ok);
        const std::set<std::string> before = Listing();
        Sim sim(dir, c.fault);
        std::string err;
        EXPECT_EQ(Cli({"read", "--port", sim.Device(), "-o", dir.File(c.output)}, err), 1);
        EXPECT_NE(err.find("Read from Radio: CommunicatiOn Error!!"), std::string::npos) << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        EXPECT_EQ(ReadText(dir.File(c.output)), "precious");
        sim.Stop();                    // the radio's own files are complete
        EXPECT_EQ(Listing(), before);  // and nothing was written beside it
    }
}

TEST_F(CliLink, WrongPortsAndArgumentsAreRefused) {
    std::string err;
    EXPECT_EQ(Cli({"read", "--port", dir.File("missing-tty"), "-o", dir.File("out.hex")}, err), 1);
    EXPECT_NE(err.find("CommunicatiOn Error!!"), std::string::npos) << err;
    EXPECT_NE(err.find(dir.File("missing-tty")), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir.File("out.hex")));

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"read", "-o", dir.File("out.hex")},
             {"read", "--port", "COM1"},
             {"read", "--port", "COM1", "-o", dir.File("out.txt")},
             {"program", "--port", "COM1"},
             {"program", "--port", "COM1", dir.File("radio.hex"), "--base", dir.File("b.hex")},
             {"clear-count", "--port", "COM1", "extra"},
             {"clear-count", "--bogus"}})
        EXPECT_EQ(Cli(args, err), 2) << args[0] << " " << args.back();

    // An input that cannot be read fails before the port is touched.
    EXPECT_EQ(Cli({"program", "--port", dir.File("missing-tty"), dir.File("missing.dat")}, err), 1);
    EXPECT_NE(err.find("FileRead Error!!"), std::string::npos) << err;
    EXPECT_EQ(err.find("CommunicatiOn"), std::string::npos) << err;
}

TEST_F(CliLink, CtrlCStopsAReadCleanly) {
    Sim sim(dir, {"--baud", "9600"});
    const fs::path errPath = dir.Path() / "cli.err";
    Process cli({RSE_CLI, "read", "--port", sim.Device(), "-o", dir.File("out.hex")},
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
    EXPECT_FALSE(fs::exists(dir.File("out.hex")));

    // The port was closed and its lock released: the radio can be used again. What the radio
    // still sends of the interrupted answer may spoil a first try.
    std::string again;
    int status = -1;
    for (int i = 0; i < 3 && status != 0; ++i)
        status = Cli({"clear-count", "--port", sim.Device()}, again);
    EXPECT_EQ(status, 0) << again;
}

}  // namespace
}  // namespace rse::test
