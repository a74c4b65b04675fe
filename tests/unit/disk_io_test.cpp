#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "files/disk_io.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "support.h"

namespace rse {
namespace {

namespace fs = std::filesystem;

TEST(DiskIo, AtomicWriteReplacesWholeFilesAndKeepsPermissionsAndLinks) {
    test::TempDir dir;
    const std::string path = dir.File("a.dat");
    ASSERT_TRUE(WriteFileAtomic(path, "first").ok);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomic(path, "second").ok);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(path, text).ok);
    EXPECT_EQ(text, "second");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Writing through a symbolic link replaces the link's target, not the link.
    const std::string link = dir.File("link.dat");
    fs::create_symlink(path, link);
    ASSERT_TRUE(WriteFileAtomic(link, "third").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_TRUE(ReadWholeFile(path, text).ok);
    EXPECT_EQ(text, "third");

    // No temporary files are left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);
}

TEST(DiskIo, ReadsRefuseWhatIsNotAPlainFileOfSaneSize) {
    test::TempDir dir;
    std::string out = "unchanged";
    EXPECT_EQ(ReadWholeFile(dir.File("none"), out).errorNumber, ENOENT);
    EXPECT_EQ(ReadWholeFile(dir.Path().string(), out).errorNumber, EISDIR);
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(fifo, out).ok);  // must not wait for a writer
    ASSERT_TRUE(WriteFileAtomic(dir.File("big"), std::string(100, 'x')).ok);
    EXPECT_EQ(ReadWholeFile(dir.File("big"), out, 99).errorNumber, EFBIG);
    EXPECT_EQ(out, "unchanged");
    EXPECT_FALSE(ReadWholeFile(dir.File("big"), out, 99).description.empty());
    EXPECT_TRUE(ReadWholeFile(dir.File("big"), out, 100).ok);
}

TEST(ImageFile, OnlyAWholeImageIsLoaded) {
    test::TempDir dir;
    test::NewDocument doc;
    const std::string path = dir.File("radio.hex");
    ASSERT_TRUE(SaveImageFile(path, doc.image).ok);
    EXPECT_EQ(fs::file_size(path), 4096u);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(in.get(), 0x0D);
    EXPECT_EQ(in.get(), 0x48);

    MemoryImage other;
    other.fill(0x55);
    ASSERT_TRUE(LoadImageFile(path, other).ok);
    EXPECT_EQ(other, doc.image);

    // Any other size is refused and the image stays as it was.
    MemoryImage kept;
    kept.fill(0x77);
    const MemoryImage before = kept;
    for (std::size_t size : {0u, 100u, 4095u, 4097u, 100000u}) {
        const std::string p = dir.File("size" + std::to_string(size) + ".hex");
        ASSERT_TRUE(WriteFileAtomic(p, std::string(size, '\x11')).ok);
        const IoResult r = LoadImageFile(p, kept);
        EXPECT_FALSE(r.ok) << size;
        EXPECT_NE(r.description.find("4096"), std::string::npos) << r.description;
        EXPECT_EQ(kept, before) << size;
    }
    EXPECT_FALSE(LoadImageFile(dir.File("missing.hex"), kept).ok);
    EXPECT_EQ(kept, before);
}

}  // namespace
}  // namespace rse
