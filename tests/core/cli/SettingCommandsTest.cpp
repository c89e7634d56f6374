// Settings by name: the settings, show, set, check and diff commands run
// in-process on documents in a temporary directory.
#include "cli/CliApp.h"

#include "panel/CUploadDoc.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace qarvo;
using namespace qarvo::cli;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<char> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t lineCount(const std::string& text) { return std::size_t(std::count(text.begin(), text.end(), '\n')); }

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class Settings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    fs::path file(const std::string& name) const { return fs::path(dir_.path().toStdString()) / name; }

    RunResult run(const Args& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        CliEnvironment env{out, err, dir_.path().toStdString(), std::nullopt};
        RunResult r;
        r.status = runCli(args, env);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    // A new document of the model, stored once through the forms so its
    // bytes are what the forms write.
    std::string document(const std::string& name, const std::string& type)
    {
        const std::string path = file(name).string();
        EXPECT_EQ(run({"new", path, "--type", type}).status, kExitSuccess);
        EXPECT_EQ(run({"set", path, "user.01.code=1234"}).status, kExitSuccess);
        return path;
    }

    std::string writeJson(const std::string& name, const std::string& text)
    {
        std::ofstream(file(name)) << text;
        return file(name).string();
    }

    QTemporaryDir dir_;
};

class EveryModel : public Settings, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(EveryModel, ShowJsonThenSetFromItLeavesTheFileByteIdentical)
{
    const std::string doc = document("m.rps", GetParam());
    const auto before = fileBytes(doc);
    const RunResult shown = run({"show", doc, "--json"});
    ASSERT_EQ(shown.status, kExitSuccess) << shown.err;
    const RunResult set = run({"set", doc, "--from", writeJson("m.json", shown.out)});
    EXPECT_EQ(set.status, kExitSuccess) << set.err;
    EXPECT_EQ(fileBytes(doc), before);

    // The list names the same settings the document shows.
    const RunResult listed = run({"settings", "--type", GetParam()});
    EXPECT_EQ(lineCount(listed.out), lineCount(run({"show", doc}).out));
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::Values("21", "22", "23", "24", "25", "26", "27", "28", "29"));

TEST_F(Settings, SetStoresTheValueAndShowReadsItBack)
{
    const std::string doc = document("s.rps", "24");
    ASSERT_EQ(run({"set", doc, "user.07.code=4321", "zone.02.name=Back door", "zone.02.type=3"}).status, kExitSuccess);
    const std::string out = run({"show", doc}).out;
    for (const char* line : {"user.07.code=4321\n", "zone.02.name=Back door\n", "zone.02.type=3\n"})
        EXPECT_TRUE(contains(out, line)) << line;
}

TEST_F(Settings, AnInvalidValueExitsOneNamesTheSettingAndLeavesTheFile)
{
    const std::string doc = document("i.rps", "24");
    const auto before = fileBytes(doc);
    struct Case {
        std::string assignment;
        std::string message; // part of the error
    };
    const Case cases[] = {
        {"user.07.code=12", "user.07.code: User code has to have 4 or 6"},
        {"count.swinger=0", "count.swinger: "},
        {"zone.01.type=99", "zone.01.type: not a value"},
        {"user.07.attr.a=2", "user.07.attr.a: not a value"},
        {"no.such.setting=1", "no.such.setting: no such setting"},
        {"user.07.code=123456", "user.07.code: '123456' would be stored as '1234'"}, // codes have 4 digits
    };
    for (const Case& c : cases) {
        const RunResult r = run({"set", doc, "user.08.code=5555", c.assignment});
        EXPECT_EQ(r.status, kExitFailure) << c.assignment;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
        EXPECT_EQ(fileBytes(doc), before) << c.assignment;
    }
    EXPECT_EQ(run({"set", doc, "--from", writeJson("bad.json", "[1, 2]")}).status, kExitFailure);
    EXPECT_EQ(fileBytes(doc), before);
}

TEST_F(Settings, CheckReportsTheFirstInvalidValue)
{
    const std::string doc = document("c.rps", "24");
    EXPECT_EQ(run({"check", doc}).status, kExitSuccess);
    {
        panel::CUploadDoc d("Current log");
        ASSERT_EQ(d.open(doc), "");
        d.bytes(panel::Setting::Entry1Delay)[0] = 0; // a delay of at least a second
        ASSERT_EQ(d.save(doc), "");
    }
    const RunResult r = run({"check", doc});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.out, "delay.entry-1: ")) << r.out;
}

TEST_F(Settings, DiffListsChangedSettingsByNameWithBothValues)
{
    const std::string a = document("a.rps", "24");
    const RunResult same = run({"diff", a, a});
    EXPECT_EQ(same.status, kExitSuccess);
    EXPECT_EQ(same.out, "");

    const std::string b = file("b.rps").string();
    fs::copy_file(a, b);
    ASSERT_EQ(run({"set", b, "user.07.code=4321"}).status, kExitSuccess);
    const RunResult changed = run({"diff", a, b});
    EXPECT_EQ(changed.status, kExitFailure);
    EXPECT_EQ(changed.out, "user.07.code: '' -> '4321'\n");
    EXPECT_TRUE(contains(run({"diff", a, b, "--json"}).out, "\"b\": \"4321\"")) << "JSON carries both values";

    EXPECT_EQ(run({"diff", a, file("missing.rps").string()}).status, kExitUsage);
}

TEST_F(Settings, DiffOfTwoModelsListsTheSettingsOnlyOneHas)
{
    const std::string small = document("small.rps", "21");
    const std::string large = document("large.rps", "29");
    const RunResult r = run({"diff", small, large});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.out, "zone.16.type: (absent) -> ")) << "12 zones against 16:\n" << r.out;
    EXPECT_FALSE(contains(r.out, "user.01.code")) << "equal settings both have are not listed";
}
