// Runs rse-cli in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>

#include "process.h"

namespace rse::test {

class CliFixture : public ::testing::Test {
  protected:
    ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), RSE_CLI_PATH);
        return RunProgram(args, dir.Path());
    }
    std::string File(const std::string& name) const { return dir.File(name); }
    std::string Contents(const std::string& name) const { return ReadText(File(name)); }

    TempDir dir;
};

}  // namespace rse::test
