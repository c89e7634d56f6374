#include "communicator/TaviDefaultsFile.h"

#include "base/TextIds.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace qarvo {
namespace {

using namespace tavi;
namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(content.substr(start, end - start));
    EXPECT_EQ(start, content.size()) << "every line ends with CR LF";
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n")
{
    std::string content;
    for (const std::string& line : lines)
        (content += line) += end;
    return content;
}

class TaviDefaultsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("tavi-def-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeFile(const std::string& content)
    {
        std::ofstream(dir_ / "Tavi.def", std::ios::binary) << content;
    }

    std::string readFile()
    {
        std::ifstream in(dir_ / "Tavi.def", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

TEST(TaviDefaultsFormat, DefaultRecordGivesTheFiftyFourLines)
{
    const std::string host(kDefaultUpdateServerHost);
    const std::vector<std::string> expected{
        "5307", "ffff", "\x01", "0", "0", "0", "3", "0", "51069",
        "c0a80009", "ffffff00", "c0a80001", "8080808", "8080404",
        "7", "34197", "1000a8c0", "40",
        "6", "34197", "1000a8c0", "40",
        host, "34198",
        "0", "0", "411", "412", "413", "306", "120", "760", "761", "762", "137",
        "0",
        "763\t764\t765\t766", "30\t30\t30\t30", "0", "\x03\t\x03",
        std::string(1, '\0'), std::string(1, '\0'), std::string(1, '\0'),
        std::string(1, '\0'), std::string(1, '\0'), std::string(1, '\0'),
        "770", "771", "772", "773", "774", "775", "776", "0",
    };
    ASSERT_EQ(expected.size(), 54u);
    const auto lines = splitLines(TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
    ASSERT_EQ(lines.size(), 54u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(lines[16], "1000a8c0");
    EXPECT_EQ(lines[9], "c0a80009");
}

TEST(TaviDefaultsFormat, TextAddressesAndKeptWords)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    record.setServerFlags(Server::Primary, 0x05);
    record.setServerKeyFlags(Server::Primary, 0x01);
    record.setServerHost(Server::Primary, "host.example");
    record.setServerFlags(Server::Secondary, 0x04);
    record.setServerHost(Server::Secondary, "");
    record.setU8(11, 0x12);
    record.setU8(181, 0x01);
    record.setU8(180, 0x09);
    record.setU16(326, 0xBEEF);
    const auto lines = splitLines(TaviDefaultsFile::format(record));
    EXPECT_EQ(lines[6], "1203");          // network flags with the byte after them
    EXPECT_EQ(lines[14], "105");          // flags 0x05, key flags 0x01
    EXPECT_EQ(lines[16], "host.example");
    EXPECT_EQ(lines[20], std::string(1, '\0'));
    EXPECT_EQ(lines[38], "265");          // 0x0109 in decimal
    EXPECT_EQ(lines[53], "48879");
}

TEST(TaviDefaultsFormat, TextsNeverBreakALine)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    record.setText(108, 30, "bad\r\nhost");
    const auto lines = splitLines(TaviDefaultsFile::format(record));
    ASSERT_EQ(lines.size(), 54u);
    EXPECT_EQ(lines[22], "bad");
}

TEST_F(TaviDefaultsFileTest, SaveWritesNothingWithoutAFileAndSaysSo)
{
    const TaviDefaultsFile file(dir_);
    EXPECT_EQ(file.path(), dir_ / "Tavi.def");
    const auto saved = file.save(TaviOptions::builtInDefaults());
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.textId, text_id::kDefaultsFileMissing);
    EXPECT_FALSE(fs::exists(dir_ / "Tavi.def"));
}

TEST_F(TaviDefaultsFileTest, SaveReplacesALongerFileWhole)
{
    writeFile(std::string(5000, 'z'));
    const TaviDefaultsFile file(dir_);
    ASSERT_TRUE(file.save(TaviOptions::builtInDefaults()));
    EXPECT_EQ(readFile(), TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
}

TEST_F(TaviDefaultsFileTest, UserCopyGoesBeforeTheShippedFile)
{
    const fs::path shared = dir_ / "share";
    const fs::path user = dir_ / "config";
    fs::create_directories(shared);
    TaviOptions shipped = TaviOptions::builtInDefaults();
    shipped.setPort(4001);
    std::ofstream(shared / "Tavi.def", std::ios::binary) << TaviDefaultsFile::format(shipped);
    const TaviDefaultsFile file(user, shared);
    const TaviOptions current = TaviOptions::builtInDefaults();
    EXPECT_EQ(file.sourcePath(), shared / "Tavi.def");
    EXPECT_EQ(file.load(current).port(), 4001);

    TaviOptions own = shipped;
    own.setPort(4002);
    ASSERT_TRUE(file.save(own)) << "the first save makes the user's copy";
    EXPECT_EQ(file.sourcePath(), user / "Tavi.def");
    EXPECT_EQ(file.load(current).port(), 4002);
    EXPECT_EQ(TaviDefaultsFile(shared).load(current).port(), 4001) << "the shipped file stays as shipped";
}

TEST_F(TaviDefaultsFileTest, NoShippedFileAndNoUserCopyCreatesNothing)
{
    const TaviDefaultsFile file(dir_ / "config", dir_ / "share");
    EXPECT_FALSE(file.save(TaviOptions::builtInDefaults()));
    EXPECT_FALSE(fs::exists(dir_ / "config"));
}

TEST_F(TaviDefaultsFileTest, MissingFileLoadsTheBuiltInRecord)
{
    TaviOptions current = TaviOptions::builtInDefaults();
    current.setPort(1);
    EXPECT_EQ(TaviDefaultsFile(dir_).load(current), TaviOptions::builtInDefaults());
}

TEST_F(TaviDefaultsFileTest, OwnFileReloadsWithReservedBytesAsWritten)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    record.setU8(7, 0x11);
    record.setU8(8, 0x12);
    record.setU8(9, 0x13);
    record.setU16(12, 0x2222);
    record.setU16(162, 0x3333);
    record.setU16(326, 77);
    writeFile("");
    const TaviDefaultsFile file(dir_);
    ASSERT_TRUE(file.save(record));

    TaviOptions expected = record;
    expected.setU8(7, 0x30);
    expected.setU8(8, 0x30);
    expected.setU8(9, 0x30);
    expected.setU16(12, 0);
    expected.setU16(162, 0);
    EXPECT_EQ(file.load(record), expected);
}

TEST_F(TaviDefaultsFileTest, RawBytesThatLookLikeWhiteSpaceSurvive)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    record.setGeneralFlags(0x20);               // latch PGM2 only: a space
    record.setServerGprsKeepAlive(Server::Primary, 10);   // a line feed
    record.setServerGprsKeepAlive(Server::Secondary, 13); // a carriage return
    record.setPassword("a\t");                  // tab and 0 bytes
    record.setSimText(SimText::Sim1User, "my user");
    record.setSimText(SimText::Sim2Apn, " lead");
    record.setServerFlags(Server::Primary, 0x01);
    record.setServerHost(Server::Primary, "host.example");
    writeFile("");
    const TaviDefaultsFile file(dir_);
    ASSERT_TRUE(file.save(record));

    TaviOptions current = TaviOptions::builtInDefaults();
    const TaviOptions loaded = file.load(current);
    EXPECT_EQ(loaded.generalFlags(), 0x20);
    EXPECT_EQ(loaded.serverGprsKeepAlive(Server::Primary), 10);
    EXPECT_EQ(loaded.serverGprsKeepAlive(Server::Secondary), 13);
    EXPECT_EQ(loaded.password(), "a\t");
    EXPECT_EQ(loaded.simText(SimText::Sim1User), "my user");
    EXPECT_EQ(loaded.simText(SimText::Sim1Password), "");
    EXPECT_EQ(loaded.simText(SimText::Sim2Apn), " lead");
    EXPECT_EQ(loaded.serverHost(Server::Primary), "host.example");
    EXPECT_EQ(loaded.gprsEvent(GprsEvent::SimRemoved), 776);
}

TEST(TaviDefaultsParse, TextKeepsTheFieldsBytesBehindIt)
{
    TaviOptions current = TaviOptions::builtInDefaults();
    std::fill(current.bytes.begin() + 184, current.bytes.begin() + 216, 'Z');
    auto lines = splitLines(TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
    lines[40] = "abc";
    lines[22] = std::string(40, 'h');
    const auto loaded = TaviDefaultsFile::parse(joinLines(lines), current);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::string(loaded->bytes.begin() + 184, loaded->bytes.begin() + 188), std::string("abc\0", 4));
    EXPECT_EQ(std::string(loaded->bytes.begin() + 188, loaded->bytes.begin() + 216), std::string(28, 'Z'));
    EXPECT_EQ(loaded->updateHost(), std::string(29, 'h'));
}

// A save ends every text at its first line break, so a load does too: a
// text read with a CR in it would lose its tail at the next save.
TEST(TaviDefaultsParse, ACarriageReturnEndsAText)
{
    for (const std::string apn : {"ab\rcd", "ab\r", "ab\r\r"}) {
        auto lines = splitLines(TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
        lines[40] = apn;
        const auto loaded = TaviDefaultsFile::parse(joinLines(lines), TaviOptions::builtInDefaults());
        ASSERT_TRUE(loaded) << apn;
        EXPECT_EQ(loaded->simText(SimText::Sim1Apn), "ab");
        EXPECT_EQ(TaviDefaultsFile::parse(TaviDefaultsFile::format(*loaded), *loaded), loaded);
    }
}

TEST(TaviDefaultsParse, HandWrittenSpacingAndLineFeedsOnly)
{
    auto lines = splitLines(TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
    lines[8] = "  1234";
    lines[9] = "\tC0A80102 ";
    lines[36] = "1  2\t3 4";
    const auto loaded = TaviDefaultsFile::parse(joinLines(lines, "\n"), TaviOptions{});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->port(), 1234);
    EXPECT_EQ(loaded->ipv4(Ipv4Field::Ip), 0xC0A80102u);
    EXPECT_EQ(loaded->pgmEvent(0), 1);
    EXPECT_EQ(loaded->pgmEvent(3), 4);
    EXPECT_EQ(loaded->password(), "5307");
    EXPECT_EQ(loaded->serverIpv4(Server::Primary), (std::array<std::uint8_t, 4>{192, 168, 0, 16}));
}

TEST_F(TaviDefaultsFileTest, MalformedFilesLoadTheBuiltInRecord)
{
    const auto good = splitLines(TaviDefaultsFile::format(TaviOptions::builtInDefaults()));
    struct Damage {
        std::size_t line;
        std::string text;
    };
    const std::vector<Damage> damages{
        {8, "70000"},      // port beyond 16 bits
        {12, "1ffffffff"}, // address beyond 32 bits
        {1, "fffg"},       // not a hexadecimal number
        {26, ""},          // number missing
        {36, "1\t2\t3"},   // one PGM code missing: the time line is read instead
    };
    TaviOptions current = TaviOptions::builtInDefaults();
    current.setPort(9);
    for (const Damage& damage : damages) {
        auto lines = good;
        lines[damage.line] = damage.text;
        writeFile(joinLines(lines));
        EXPECT_EQ(TaviDefaultsFile(dir_).load(current), TaviOptions::builtInDefaults()) << "line " << damage.line + 1;
    }
    auto cut = good;
    cut.resize(30);
    writeFile(joinLines(cut));
    EXPECT_EQ(TaviDefaultsFile(dir_).load(current), TaviOptions::builtInDefaults());

    writeFile(joinLines(good));
    EXPECT_EQ(TaviDefaultsFile(dir_).load(current).port(), 51069);
}

} // namespace
} // namespace qarvo
