// Settings by name: the settings, show, set, check and diff commands run
// in-process on documents in a temporary directory.
#include "cli/CliApp.h"

#include "panel/CUploadDoc.h"
#include "panel/InstallerForm.h"
#include "support/CliFixture.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

std::size_t lineCount(const std::string& text) { return std::size_t(std::count(text.begin(), text.end(), '\n')); }

class Settings : public CliTest {
protected:
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
};

class EveryModel : public Settings, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(EveryModel, ShowJsonThenSetFromItLeavesTheFileByteIdentical)
{
    const std::string doc = document("m.rps", GetParam());
    const auto before = fileBytes(doc);
    const CliRun shown = run({"show", doc, "--json"});
    ASSERT_EQ(shown.status, kExitSuccess) << shown.err;
    const CliRun set = run({"set", doc, "--from", writeJson("m.json", shown.out)});
    EXPECT_EQ(set.status, kExitSuccess) << set.err;
    EXPECT_EQ(fileBytes(doc), before);

    // The list names the same settings the document shows.
    const CliRun listed = run({"settings", "--type", GetParam()});
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
        const CliRun r = run({"set", doc, "user.08.code=5555", c.assignment});
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
    const CliRun r = run({"check", doc});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.out, "delay.entry-1: ")) << r.out;
}

TEST_F(Settings, DiffListsChangedSettingsByNameWithBothValues)
{
    const std::string a = document("a.rps", "24");
    const CliRun same = run({"diff", a, a});
    EXPECT_EQ(same.status, kExitSuccess);
    EXPECT_EQ(same.out, "");

    const std::string b = file("b.rps").string();
    fs::copy_file(a, b);
    ASSERT_EQ(run({"set", b, "user.07.code=4321"}).status, kExitSuccess);
    const CliRun changed = run({"diff", a, b});
    EXPECT_EQ(changed.status, kExitFailure);
    EXPECT_EQ(changed.out, "user.07.code: '' -> '4321'\n");
    EXPECT_TRUE(contains(run({"diff", a, b, "--json"}).out, "\"b\": \"4321\"")) << "JSON carries both values";

    EXPECT_EQ(run({"diff", a, file("missing.rps").string()}).status, kExitUsage);
}

TEST_F(Settings, DiffOfTwoModelsListsTheSettingsOnlyOneHas)
{
    const std::string small = document("small.rps", "21");
    const std::string large = document("large.rps", "29");
    const CliRun r = run({"diff", small, large});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.out, "zone.16.type: (absent) -> ")) << "12 zones against 16:\n" << r.out;
    EXPECT_FALSE(contains(r.out, "user.01.code")) << "equal settings both have are not listed";
}

TEST_F(Settings, AFormerNameIsTakenWithAWarningNamingTheNewOne)
{
    // Bit 5 of the first general options byte, by its former name.
    const std::string former = "option.generaloptions1.bit5";
    const auto bit = std::ranges::find(panel::optionBits(), panel::installer_control::kPartitions, &panel::OptionBit::control);
    ASSERT_NE(bit, panel::optionBits().end());
    const std::string now(bit->name);
    const std::vector<std::vector<std::string>> ways = {
        {former + "=1"},
        {"--from", writeJson("former.json", "{\"" + former + "\": true}")},
    };
    for (const auto& way : ways) {
        const std::string doc = document("r.rps", "24");
        std::vector<std::string> args{"set", doc};
        args.insert(args.end(), way.begin(), way.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_TRUE(contains(r.err, "warning: '" + former + "' is now '" + now + "'")) << r.err;
        EXPECT_TRUE(contains(run({"show", doc}).out, now + "=1\n"));
        fs::remove(doc);
    }
}
