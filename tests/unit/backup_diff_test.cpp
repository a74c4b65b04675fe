// The comparison of configurations and images, and the backup folder.
#include <gtest/gtest.h>

#include <fstream>

#include "files/backup_store.h"
#include "files/config_diff.h"
#include "files/disk_io.h"
#include "support.h"

namespace rse::test {
namespace {

std::vector<std::string> Lines(const Configuration& a, const Configuration& b) {
    return DifferenceLines(CompareConfigurations(a, b));
}

TEST(ConfigDiff, EveryKindOfFieldInFileOrder) {
    const NewDocument base;
    const std::string usaTag = base.config.CHUSA[16].ChTag;
    struct Case {
        const char* name;
        std::function<void(Configuration&)> edit;
        std::vector<std::string> lines;
    };
    const std::string wxFlip = base.config.CHWX[3].ScanMemory ? "1 -> 0" : "0 -> 1";
    const std::string expPos = std::to_string(base.config.Exp(5).Position);
    // clang-format off
    const Case cases[] = {
        {"nothing", [](Configuration&) {}, {}},
        {"number", [](Configuration& c) { c.SETCOM.Contrast = 2; }, {"SETCOM.Contrast: 4 -> 2"}},
        {"flag", [](Configuration& c) { c.SETCOM.KeyBeep = false; }, {"SETCOM.KeyBeep: 1 -> 0"}},
        {"text", [](Configuration& c) { c.SETCOM.AtisNo = "9123456789"; }, {"SETCOM.AtisNo: # -> #9123456789"}},
        {"offset time", [](Configuration& c) { c.SETCOM.OffsetTime = 24; }, {"SETCOM.OffsetTime: -12 -> 0"}},
        {"channel tag", [](Configuration& c) { c.CHUSA[16].ChTag = "HARBOUR"; }, {"CHUSA16.ChTag: #" + usaTag + " -> #HARBOUR"}},
        {"wx flag", [](Configuration& c) { c.CHWX[3].ScanMemory = !c.CHWX[3].ScanMemory; }, {"CHWX3.ScanMemory: " + wxFlip}},
        {"exp position", [](Configuration& c) { c.Exp(5).Position = 200; }, {"CHEXP5.Position: " + expPos + " -> 200"}},
        {"directory, plain text last",
         [](Configuration& c) {
             c.Dir(2).Mmsid = "211234567";
             c.Dir(2).Enable = true;
             c.SETCOM.WxAlert = false;  // edited last, listed first
         },
         {"SETCOM.WxAlert: 1 -> 0", "CHMMSID2.Enable: 0 -> 1", "CHMMSID2.Mmsid:  -> 211234567"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configuration edited = base.config;
        c.edit(edited);
        EXPECT_EQ(Lines(base.config, edited), c.lines);
        // Not a field that the file does not hold: the duplex capability follows the plan.
        edited.CHUSA[0].DuplexCapable = !edited.CHUSA[0].DuplexCapable;
        EXPECT_EQ(Lines(base.config, edited), c.lines);
    }
}

TEST(ConfigDiff, ImagesListOnlyTheBytesNoFieldExplains) {
    const NewDocument base;
    const std::string usaTag = base.config.CHUSA[0].ChTag;
    struct Case {
        const char* name;
        std::function<void(MemoryImage&)> edit;
        std::vector<std::string> lines;
    };
    // clang-format off
    const Case cases[] = {
        {"same", [](MemoryImage&) {}, {}},
        {"a field's bytes", [&](MemoryImage& m) { Configuration c = base.config; c.CHUSA[0].ChTag = "ZZ"; EncodeImage(c, m); },
         {"CHUSA0.ChTag: #" + usaTag + " -> #ZZ"}},
        {"bytes outside the configuration", [](MemoryImage& m) { m[0] = 0x0E; m[0xFA0] = 0x05; m[mem::kMmsiEntryCount.address] = 3; },
         {"image 0x0000: 0D -> 0E", "image 0x0195: 00 -> 03", "image 0x0FA0: FF -> 05"}},
        {"both", [&](MemoryImage& m) { m[mem::kContrast.address] = 2; m[0xFFF] = 0x00; },
         {"SETCOM.Contrast: 4 -> 2", "image 0x0FFF: FF -> 00"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryImage edited = base.image;
        c.edit(edited);
        const ConfigDifferences d = CompareImages(base.image, edited);
        EXPECT_EQ(DifferenceLines(d), c.lines);
        EXPECT_EQ(d.Empty(), base.image == edited);
    }
}

// Stands in for SHA-256: a different text for different data is all the store relies on.
std::string FakeHash(std::string_view data) {
    return std::to_string(std::hash<std::string_view>()(data));
}

TEST(BackupStore, KeepsListsAndDeletesWithoutEverOverwriting) {
    TempDir dir;
    const BackupStore store(dir.File("backups"), FakeHash);
    EXPECT_TRUE(store.List().empty());  // no folder yet

    MemoryImage first = DefaultImage();
    MemoryImage second = first;
    second[0xFA0] = 1;
    const BackupFacts read{"20240501-101500", "/dev/ttyUSB0", "rse-cli 1.0.0", ""};
    const KeepResult a = store.KeepImage(first, read);
    const KeepResult b = store.KeepImage(second, read);  // the same second
    const KeepResult c = store.KeepConfiguration(
        "[MAIN]\r\n", {"20240501-101501", "", "rse 1.0.0", "edits before\nNew"});
    ASSERT_TRUE(a.io.ok && b.io.ok && c.io.ok) << a.io.description << b.io.description;
    EXPECT_EQ(a.path, dir.File("backups/20240501-101500.hex"));
    EXPECT_EQ(b.path, dir.File("backups/20240501-101500-2.hex"));
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(a.path, kept).ok);
    EXPECT_EQ(kept, std::string(first.begin(), first.end()));

    // Files that are not backups are left out of the list.
    for (const char* stranger :
         {"notes.txt", "20240501-101500-1.hex", "2024050-101500.hex", "20240501_101500.hex",
          "2024050x-101500.dat", "20240501-10150x.hex"})
        ASSERT_TRUE(WriteFileAtomic(dir.File(std::string("backups/") + stranger), "x").ok);

    std::vector<BackupEntry> list = store.List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, BackupKind::Configuration);
    EXPECT_EQ(list[0].name + "|" + list[0].note + "|" + list[0].time,
              "20240501-101501.dat|edits before New|2024-05-01 10:15:01");
    EXPECT_EQ(list[1].name, "20240501-101500-2.hex");
    EXPECT_EQ(list[1].sha256, FakeHash(std::string(second.begin(), second.end())));
    const BackupEntry& e2 = list[2];
    EXPECT_EQ(e2.name + "|" + e2.model + "|" + e2.port + "|" + e2.program,
              "20240501-101500.hex|QM24 VH3400M|/dev/ttyUSB0|rse-cli 1.0.0");
    for (const BackupEntry& e : list)
        EXPECT_TRUE(e.intact) << e.name;

    // A backup changed behind the store's back no longer matches its hash.
    ASSERT_TRUE(WriteFileAtomic(b.path, "changed").ok);
    EXPECT_FALSE(store.List()[1].intact);

    EXPECT_TRUE(store.Delete("20240501-101500-2.hex").ok);
    EXPECT_FALSE(std::filesystem::exists(dir.File("backups/20240501-101500-2.info")));
    EXPECT_FALSE(store.Delete("../escape.hex").ok);
    ASSERT_EQ(store.List().size(), 2u);

    // A folder that cannot be made fails the keeping and says where.
    const BackupStore blocked(dir.File("notes/backups"), FakeHash);
    ASSERT_TRUE(WriteFileAtomic(dir.File("notes"), "a file in the way").ok);
    const KeepResult failed = blocked.KeepImage(first, read);
    EXPECT_FALSE(failed.io.ok);
    EXPECT_EQ(failed.path, dir.File("notes/backups"));
}

TEST(DiskIo, WritingANewFileNeverReplacesOne) {
    TempDir dir;
    ASSERT_TRUE(WriteNewFileAtomic(dir.File("a"), "one").ok);
    const IoResult again = WriteNewFileAtomic(dir.File("a"), "two");
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.errorNumber, EEXIST);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(dir.File("a"), text).ok);
    EXPECT_EQ(text, "one");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace rse::test
