#include "link/ConnectionSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>

using namespace qarvo::link;

namespace {

// A file path in a fresh directory of its own, removed afterwards.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        std::replace(name.begin(), name.end(), '/', '-'); // parameterised tests are "Name/0"
        dir_ = std::filesystem::temp_directory_path() /
               ("qarvo-settings-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        file_ = dir_ / kSettingsFileName;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write(const std::string& text)
    {
        std::ofstream out(file_, std::ios::binary);
        out << text;
    }
    std::string read() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir_;
    std::filesystem::path file_;
};

ConnectionSettings sample()
{
    ConnectionSettings s;
    s.ownPort = 40001;
    s.callbackServer = "callback.example.test";
    s.callbackPort = 50002;
    s.updateServer = "10.1.2.3";
    s.updatePort = 51070;
    s.communicatorPort = 51071;
    s.communicatorAddress = 0xC0A8000A; // 192.168.0.10
    s.password = "a1B2";
    s.account = 0x00AB;
    s.useDefaultIds = false;
    s.panelId = 0x0C0D;
    s.pcId = 0xBEEF;
    return s;
}

constexpr const char* kSampleText = "40001\n"
                                    "callback.example.test\n"
                                    "50002\n"
                                    "10.1.2.3\n"
                                    "51070\n"
                                    "51071\n"
                                    "c0a8000a\n"
                                    "a1B2\n"
                                    "00ab\n"
                                    "0\n"
                                    "0c0d\n"
                                    "beef\n";

// ------------------------------------------------------------- the form

TEST(SettingsForm, TwelveLinesInTheirOrderAndForms)
{
    EXPECT_EQ(formatSettings(sample()), kSampleText);
}

TEST(SettingsForm, DefaultsWriteLowercaseAddressAndZeroFilledHex)
{
    ConnectionSettings s;
    s.callbackServer = "127.0.0.1";
    EXPECT_EQ(formatSettings(s), "0\n127.0.0.1\n50001\n\n51068\n51069\n0\n5307\n"
                                 "0001\n1\n0000\n0000\n");
}

TEST(SettingsForm, SmallAddressHasNoLeadingZerosButIdsKeepFourDigits)
{
    ConnectionSettings s = sample();
    s.communicatorAddress = 0x0000007F;
    s.account = 0x1;
    s.panelId = 0xF;
    s.pcId = 0x10;
    const std::string text = formatSettings(s);
    EXPECT_NE(text.find("\n7f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n0001\n0\n000f\n0010\n"), std::string::npos) << text;
}

// ------------------------------------------------------------- reading

TEST_F(SettingsFile, ReadsTheTwelveLines)
{
    write(kSampleText);
    ConnectionSettings s;
    ASSERT_EQ(loadSettings(file_, s), SettingsLoad::Loaded);
    EXPECT_EQ(s, sample());
}

TEST_F(SettingsFile, SaveThenLoadRoundTrips)
{
    ConnectionSettings written = sample();
    written.useDefaultIds = true;
    ASSERT_TRUE(saveSettings(file_, written));
    EXPECT_EQ(read(), formatSettings(written));
    ConnectionSettings back;
    ASSERT_EQ(loadSettings(file_, back), SettingsLoad::Loaded);
    EXPECT_EQ(back, written);
}

TEST_F(SettingsFile, SaveReplacesTheWholeFile)
{
    write(std::string(4096, 'x'));
    ASSERT_TRUE(saveSettings(file_, sample()));
    EXPECT_EQ(read(), kSampleText);
}

TEST_F(SettingsFile, PasswordIsCutToFourCharacters)
{
    std::string text = kSampleText;
    text.replace(text.find("a1B2"), 4, "abcdefgh");
    write(text);
    ConnectionSettings s;
    ASSERT_EQ(loadSettings(file_, s), SettingsLoad::Loaded);
    EXPECT_EQ(s.password, "abcd");
    EXPECT_EQ(s.account, 0x00AB) << "the lines after the password still read in order";
    EXPECT_EQ(s.pcId, 0xBEEF);
}

TEST_F(SettingsFile, MissingFileKeepsTheDefaults)
{
    ConnectionSettings s;
    EXPECT_EQ(loadSettings(file_, s), SettingsLoad::Missing);
    EXPECT_EQ(s, ConnectionSettings{});
}

TEST_F(SettingsFile, MissingFileKeepsWhatTheRecordHeld)
{
    ConnectionSettings s = sample();
    EXPECT_EQ(loadSettings(dir_ / "elsewhere.cfg", s), SettingsLoad::Missing);
    EXPECT_EQ(s, sample());
}

TEST_F(SettingsFile, TruncatedFileIsReportedAndChangesNothing)
{
    write("40001\ncallback.example.test\n50002\n10.1.2.3\n");
    ConnectionSettings s;
    EXPECT_EQ(loadSettings(file_, s), SettingsLoad::Missing);
    EXPECT_EQ(s, ConnectionSettings{});
}

TEST_F(SettingsFile, GarbageInANumberLineIsReportedAndChangesNothing)
{
    std::string text = kSampleText;
    text.replace(text.find("50002"), 5, "port!");
    write(text);
    ConnectionSettings s;
    EXPECT_EQ(loadSettings(file_, s), SettingsLoad::Missing);
    EXPECT_EQ(s, ConnectionSettings{});
}

TEST_F(SettingsFile, OwnPortZeroLeavesTheChoiceToTheSystem)
{
    ConnectionSettings written = sample();
    written.ownPort = 0;
    ASSERT_TRUE(saveSettings(file_, written));
    EXPECT_EQ(read().substr(0, 2), "0\n");
    ConnectionSettings back = sample();
    ASSERT_EQ(loadSettings(file_, back), SettingsLoad::Loaded);
    EXPECT_EQ(back.ownPort, 0);
}

// An empty address is written as an empty line and must read back in its
// place, or every later value would shift and the file would be lost.
TEST_F(SettingsFile, EmptyAddressLinesReadBackInTheirPlace)
{
    ConnectionSettings written = sample();
    written.callbackServer.clear();
    written.updateServer.clear();
    ASSERT_TRUE(saveSettings(file_, written));
    ConnectionSettings back;
    ASSERT_EQ(loadSettings(file_, back), SettingsLoad::Loaded);
    EXPECT_EQ(back, written);

    ASSERT_TRUE(saveSettings(file_, ConnectionSettings{}));
    ConnectionSettings defaults = sample();
    ASSERT_EQ(loadSettings(file_, defaults), SettingsLoad::Loaded);
    EXPECT_EQ(defaults, ConnectionSettings{});
}

TEST_F(SettingsFile, AddressLinesAreReadWholeWithTheirSpaces)
{
    std::string text = kSampleText;
    text.replace(text.find("callback.example.test"), 21, "my callback host");
    write(text);
    ConnectionSettings s;
    ASSERT_EQ(loadSettings(file_, s), SettingsLoad::Loaded);
    EXPECT_EQ(s.callbackServer, "my callback host");
    EXPECT_EQ(s.callbackPort, 50002);
}

TEST_F(SettingsFile, WindowsLineEndsAreAccepted)
{
    std::string text;
    for (char c : std::string(kSampleText)) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    write(text);
    ConnectionSettings s;
    ASSERT_EQ(loadSettings(file_, s), SettingsLoad::Loaded);
    EXPECT_EQ(s, sample());
}

TEST_F(SettingsFile, NumbersFromTheAddressLineOnAreHex)
{
    std::string text = kSampleText;
    text.replace(text.find("\n0\n0c0d"), 7, "\n1\n10");
    write(text);
    ConnectionSettings s;
    ASSERT_EQ(loadSettings(file_, s), SettingsLoad::Loaded);
    EXPECT_TRUE(s.useDefaultIds);
    EXPECT_EQ(s.panelId, 0x10) << "\"10\" read as hexadecimal";
    EXPECT_EQ(s.effectivePanelId(), 0) << "default IDs in force";
    EXPECT_EQ(s.effectivePcId(), 0);
}

// A value that does not fit its field is refused with its line named, and
// that field alone takes its default; it is never cut to another value.
struct RefusedValue {
    int line;
    const char* value; // what the sample file holds on that line instead
};

// A row prints as its line and value in failures, not as its bytes.
void PrintTo(const RefusedValue& row, std::ostream* out) { *out << "line " << row.line << ": " << row.value; }

class RefusedValues : public ::testing::WithParamInterface<RefusedValue>, public SettingsFile {};

TEST_P(RefusedValues, TakeTheDefaultAndNameTheLine)
{
    const RefusedValue& c = GetParam();
    std::istringstream sampleLines(kSampleText);
    std::string text;
    int lineNumber = 0;
    for (std::string line; std::getline(sampleLines, line);)
        text += (++lineNumber == c.line ? std::string(c.value) : line) + '\n';
    write(text);
    ConnectionSettings s;
    std::vector<int> refused;
    ASSERT_EQ(loadSettings(file_, s, &refused), SettingsLoad::Loaded);
    EXPECT_EQ(refused, std::vector<int>{c.line});

    // Every field but the refused one keeps the file's value.
    ConnectionSettings expected = sample();
    const ConnectionSettings d;
    switch (c.line) {
    case 1: expected.ownPort = d.ownPort; break;
    case 3: expected.callbackPort = d.callbackPort; break;
    case 5: expected.updatePort = d.updatePort; break;
    case 6: expected.communicatorPort = d.communicatorPort; break;
    case 7: expected.communicatorAddress = d.communicatorAddress; break;
    case 9: expected.account = d.account; break;
    case 10: expected.useDefaultIds = d.useDefaultIds; break;
    case 11: expected.panelId = d.panelId; break;
    case 12: expected.pcId = d.pcId; break;
    }
    EXPECT_EQ(s, expected);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, RefusedValues,
    ::testing::Values(RefusedValue{1, "70000"}, RefusedValue{3, "65536"}, RefusedValue{5, "-1"},
                      RefusedValue{6, "70000"}, RefusedValue{7, "1c0a8000a"}, RefusedValue{9, "1FFFF"},
                      RefusedValue{10, "2"}, RefusedValue{11, "10000"},
                      RefusedValue{12, "99999999999999999999999"}));

TEST_F(SettingsFile, LargestValuesOfEachFieldAreKept)
{
    ConnectionSettings written = sample();
    written.ownPort = written.callbackPort = written.updatePort = 65535;
    written.communicatorPort = 65535;
    written.communicatorAddress = 0xFFFFFFFF;
    written.account = written.panelId = written.pcId = 0xFFFF;
    ASSERT_TRUE(saveSettings(file_, written));
    ConnectionSettings back;
    std::vector<int> refused{99};
    ASSERT_EQ(loadSettings(file_, back, &refused), SettingsLoad::Loaded);
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(back, written);
}

// The file's line ends decide whether a CR belongs to the line end: in a
// file of ours an address's own trailing CR and an empty password survive.
TEST_F(SettingsFile, TrailingCrAndEmptyPasswordSurviveSaveAndLoad)
{
    ConnectionSettings written = sample();
    written.callbackServer = "host\r";
    written.updateServer = "\r";
    written.password.clear();
    ASSERT_TRUE(saveSettings(file_, written));
    ConnectionSettings back;
    ASSERT_EQ(loadSettings(file_, back), SettingsLoad::Loaded);
    EXPECT_EQ(back, written);
}

} // namespace
