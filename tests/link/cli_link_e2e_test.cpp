// rse-cli read, program and clear-count against rse-radio-sim.
#include <gtest/gtest.h>

#include <set>

#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "process_support.h"

namespace rse::test {
namespace {

using namespace std::chrono_literals;

MemoryImage PatternImage() {
    MemoryImage image = DefaultImage();
    for (std::size_t i = 0x100; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 29 + 5);
    }
    return image;
}

class CliLink : public ::testing::Test {
  protected:
    void SetUp() override {
        // Backups of reads go to this test's own folder.
        ::setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
        ASSERT_TRUE(SaveImageFile(Path("radio.hex"), PatternImage()).ok);
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    std::unique_ptr<Sim> StartSim(std::vector<std::string> extra, bool paced = false) {
        std::vector<std::string> args{"--image", Path("radio.hex"), "--save", Path("saved.hex")};
        if (!paced) args.insert(args.end(), {"--baud", "0"});
        args.insert(args.end(), extra.begin(), extra.end());
        auto sim = std::make_unique<Sim>(dir, args);
        EXPECT_FALSE(sim->Device().empty()) << sim->Errors();
        return sim;
    }

    // Runs rse-cli to its end; the exit status, standard error in err.
    int Cli(std::vector<std::string> args, std::string& err) {
        Process cli(RSE_CLI, args, false, dir / "cli.err");
        const int status = cli.Wait(120s);
        err = ReadText(dir / "cli.err");
        return status;
    }

    MemoryImage Image(const std::string& name) const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(Path(name), image).ok) << name;
        return image;
    }

    TempDir dir;
};

TEST_F(CliLink, ReadToHexAndDatThenProgramBack) {
    auto sim = StartSim({});
    std::string err;
    ASSERT_EQ(Cli({"read", "--port", sim->Device(), "-o", Path("out.hex")}, err), 0) << err;
    EXPECT_EQ(Image("out.hex"), PatternImage());
    EXPECT_NE(err.find("progress 100%"), std::string::npos) << err;
    EXPECT_NE(err.find("Read from Radio: Complete!!"), std::string::npos) << err;

    ASSERT_EQ(Cli({"read", "--port", sim->Device(), "-o", Path("out.dat")}, err), 0) << err;
    Configuration fromFile;
    MemoryImage scratch{};
    InitialiseConfiguration(fromFile, scratch);
    ASSERT_TRUE(FileRead2(Path("out.dat"), fromFile).ok);
    Configuration decoded;
    InitialiseConfiguration(decoded, scratch);
    DecodeImage(PatternImage(), decoded);
    EXPECT_EQ(fromFile, decoded);

    // A .dat goes over the base image; a .hex goes as it is.
    MemoryImage expected = DefaultImage();
    expected[0xFFF] = 0x77;
    ASSERT_TRUE(SaveImageFile(Path("base.hex"), expected).ok);
    EncodeImage(fromFile, expected);
    ASSERT_EQ(
        Cli({"program", "--port", sim->Device(), Path("out.dat"), "--base", Path("base.hex")}, err),
        0)
        << err;
    EXPECT_NE(err.find("Program to Radio: Complete!!"), std::string::npos) << err;
    EXPECT_EQ(Image("saved.hex"), expected);

    MemoryImage raw = PatternImage();
    raw[addr::kMmsiEntryCount] = 9;
    ASSERT_TRUE(SaveImageFile(Path("raw.hex"), raw).ok);
    ASSERT_EQ(Cli({"program", "--port", sim->Device(), Path("raw.hex")}, err), 0) << err;
    EXPECT_EQ(Image("saved.hex"), raw);

    ASSERT_EQ(Cli({"clear-count", "--port", sim->Device()}, err), 0) << err;
    EXPECT_NE(err.find("Clear Data: Complete!!"), std::string::npos) << err;
    raw[addr::kMmsiEntryCount] = 0;
    EXPECT_EQ(Image("saved.hex"), raw);
    EXPECT_EQ(sim->Stop(), 0);
}

TEST_F(CliLink, ReadsAreKeptAndProgramVerifies) {
    auto sim = StartSim({"--lose-write", "0x1A0"});
    std::string err;
    ASSERT_EQ(Cli({"read", "--port", sim->Device(), "-o", Path("out.hex")}, err), 0) << err;
    ASSERT_EQ(Cli({"read", "--port", sim->Device(), "-o", Path("x.hex"), "--no-backup"}, err), 0);
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(Path("data/rse/backups"))) {
        if (entry.path().extension() == ".hex") kept.push_back(entry.path());
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(Image(kept[0].string()), PatternImage());
    Process list(RSE_CLI, {"backups"}, true, dir / "list.err");
    const std::string line = list.ReadLine(30s);
    EXPECT_EQ(list.Wait(30s), 0);
    EXPECT_EQ(line.rfind(kept[0].filename().string(), 0), 0u) << line;
    EXPECT_NE(line.find("QM24 VH3400M"), std::string::npos) << line;

    // The radio acknowledges the block at 0x1A0 once without storing it.
    MemoryImage image = PatternImage();
    image[0x1A3] ^= 0xFF;
    image[0x1A7] ^= 0xFF;
    ASSERT_TRUE(SaveImageFile(Path("new.hex"), image).ok);
    EXPECT_EQ(Cli({"program", "--port", sim->Device(), Path("new.hex"), "--verify"}, err), 1);
    EXPECT_NE(err.find("Program to Radio: Verify Error!!"), std::string::npos) << err;
    EXPECT_NE(err.find("2 bytes differ, the first at address 0x01A3"), std::string::npos) << err;
    EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;

    ASSERT_EQ(
        Cli({"program", "--port", sim->Device(), Path("new.hex"), "--backup", "--verify"}, err), 0)
        << err;
    EXPECT_NE(err.find("Changes to program (2):"), std::string::npos) << err;
    EXPECT_NE(err.find("Program to Radio: Complete!!"), std::string::npos) << err;
    EXPECT_EQ(Image("saved.hex"), image);
}

TEST_F(CliLink, FailedReadLeavesTheOutputFileAlone) {
    ASSERT_TRUE(SaveImageFile(Path("out.hex"), DefaultImage()).ok);
    for (const char* fault : {"--cut-after", "--bad-checksum"}) {
        SCOPED_TRACE(fault);
        auto sim = StartSim({fault, std::string(fault) == "--cut-after" ? "100" : "0x640:2"});
        std::string err;
        EXPECT_EQ(Cli({"read", "--port", sim->Device(), "-o", Path("out.hex")}, err), 1);
        EXPECT_NE(err.find("Read from Radio: CommunicatiOn Error!!"), std::string::npos) << err;
        EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;
        EXPECT_EQ(Image("out.hex"), DefaultImage());
        EXPECT_FALSE(fs::exists(Path("new.dat")));
    }
    // No temporary file left behind.
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Path("."))) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names,
              (std::set<std::string>{"radio.hex", "saved.hex", "out.hex", "sim.err", "cli.err"}));
}

TEST_F(CliLink, WrongPortsAndArgumentsAreRefused) {
    std::string err;
    EXPECT_EQ(Cli({"read", "--port", Path("missing-tty"), "-o", Path("out.hex")}, err), 1);
    EXPECT_NE(err.find("CommunicatiOn Error!!"), std::string::npos) << err;
    EXPECT_NE(err.find(Path("missing-tty")), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(Path("out.hex")));

    EXPECT_EQ(Cli({"read", "-o", Path("out.hex")}, err), 2);
    EXPECT_EQ(Cli({"read", "--port", "COM1"}, err), 2);
    EXPECT_EQ(Cli({"read", "--port", "COM1", "-o", Path("out.txt")}, err), 2);
    EXPECT_EQ(Cli({"program", "--port", "COM1"}, err), 2);
    EXPECT_EQ(Cli({"program", "--port", "COM1", Path("radio.hex"), "--base", Path("b.hex")}, err),
              2);
    EXPECT_EQ(Cli({"clear-count", "--port", "COM1", "extra"}, err), 2);
    EXPECT_EQ(Cli({"clear-count", "--bogus"}, err), 2);

    // An input that cannot be read fails before the port is touched.
    EXPECT_EQ(Cli({"program", "--port", Path("missing-tty"), Path("missing.dat")}, err), 1);
    EXPECT_NE(err.find("FileRead Error!!"), std::string::npos) << err;
    EXPECT_EQ(err.find("CommunicatiOn"), std::string::npos) << err;
}

TEST_F(CliLink, NoEchoCable) {
    auto sim = StartSim({"--no-echo"});
    std::string err;
    ASSERT_EQ(Cli({"read", "--port", sim->Device(), "--no-echo", "-o", Path("out.hex")}, err), 0)
        << err;
    EXPECT_EQ(Image("out.hex"), PatternImage());
}

TEST_F(CliLink, CtrlCStopsAReadCleanly) {
    auto sim = StartSim({}, true);
    Process cli(RSE_CLI, {"read", "--port", sim->Device(), "-o", Path("out.hex")}, false,
                dir / "cli.err");
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (ReadText(dir / "cli.err").find("progress 3%") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    cli.Signal(SIGINT);
    EXPECT_EQ(cli.Wait(30s), 1);
    const std::string err = ReadText(dir / "cli.err");
    EXPECT_NE(err.find("Interrupted."), std::string::npos) << err;
    EXPECT_EQ(err.find("Complete!!"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(Path("out.hex")));

    // The port was closed and its lock released: the radio can be used again. What the radio
    // still sends of the interrupted answer may spoil a first try.
    std::string again;
    int status = -1;
    for (int i = 0; i < 3 && status != 0; ++i) {
        status = Cli({"clear-count", "--port", sim->Device()}, again);
    }
    EXPECT_EQ(status, 0) << again;
}

}  // namespace
}  // namespace rse::test
