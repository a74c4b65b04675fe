// Runs rse-cli in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>

#include "files/image_file.h"
#include "process.h"

namespace rse::test {

class CliFixture : public ::testing::Test {
  protected:
    // Runs rse-cli with args, after the prefix (another program that starts it).
    ProcessResult Run(std::vector<std::string> args, std::vector<std::string> prefix = {}) {
        args.insert(args.begin(), RSE_CLI_PATH);
        args.insert(args.begin(), prefix.begin(), prefix.end());
        return RunProgram(args, dir.Path());
    }
    // Runs rse-cli, which must succeed.
    ProcessResult Ok(std::vector<std::string> args) {
        ProcessResult r = Run(std::move(args));
        EXPECT_EQ(r.status, 0) << r.err;
        return r;
    }
    std::string File(const std::string& name) const { return dir.File(name); }
    std::string Contents(const std::string& name) const { return ReadText(File(name)); }
    // The image file of this name in the folder, or at this whole path.
    MemoryImage Image(const std::string& name) const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile(fs::path(name).is_absolute() ? name : File(name), image).ok)
            << name;
        return image;
    }

    TempDir dir;
    ScopedEnv dataHome{"XDG_DATA_HOME", File("data")};  // backups of reads go here
};

}  // namespace rse::test
