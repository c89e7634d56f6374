#pragma once
// The set-up of tests that run qarvoip-cli: a program directory of the
// test's own (where PanelRPS.cfg, documents and backups go) and, for the
// tests that talk to a panel, a simulated communicator and panel of the
// test's own that the directory's settings point at.
#include "panel/CUploadDoc.h"
#include "support/CliRun.h"
#include "support/Loopback.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qarvo::testing {

using Args = std::vector<std::string>;

// The document a file holds; a file that does not open fails the test.
inline panel::CUploadDoc openDocument(const std::filesystem::path& path)
{
    panel::CUploadDoc doc("Current log");
    EXPECT_EQ(doc.open(path), "") << path;
    return doc;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::filesystem::path dir() const { return dir_.path(); }
    std::filesystem::path file(const std::string& name) const { return dir_.file(name); }
    // Runs the program with the test's directory as its program directory.
    CliRun run(const Args& args, CliSetup setup = {})
    {
        setup.executableDirectory = dir();
        return runCommandLine(args, setup);
    }

    TempDir dir_;
};

class CliPanelTest : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_TRUE(own_.ready);
    }

    OwnPanel own_{dir_.path()};
};

} // namespace qarvo::testing
