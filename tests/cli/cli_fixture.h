// Runs rse-cli in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>

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
    std::string File(const std::string& name) const { return dir.File(name); }
    std::string Contents(const std::string& name) const { return ReadText(File(name)); }

    TempDir dir;
};

}  // namespace rse::test
