#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qarvo;
using namespace qarvo::cli;
using Args = std::vector<std::string>;

namespace {

// ------------------------------------------------------------ valid lines

TEST(CliOptions, EveryGlobalOptionIsRead)
{
    const auto parsed = parseCommandLine({"--address", "192.168.1.20", "--port", "51070", "--password", "ab1",
                                          "--panel-id", "12aF", "--pc-id", "7", "--mode", "callback", "--callback",
                                          "cb.example.test:50009", "--account", "beef", "--own-port", "0", "--home",
                                          "/opt/q", "--demo", "connect"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const GlobalOptions& o = parsed.commandLine.options;
    EXPECT_EQ(o.address, "192.168.1.20");
    EXPECT_EQ(o.port, 51070);
    EXPECT_EQ(o.password, "ab1");
    EXPECT_EQ(o.panelId, 0x12AF);
    EXPECT_EQ(o.pcId, 0x0007);
    EXPECT_EQ(o.mode, link::ConnectionMode::Callback);
    EXPECT_EQ(o.callbackHost, "cb.example.test");
    EXPECT_EQ(o.callbackPort, 50009);
    EXPECT_EQ(o.account, 0xBEEF);
    EXPECT_EQ(o.ownPort, 0);
    EXPECT_EQ(o.home, std::filesystem::path("/opt/q"));
    EXPECT_TRUE(o.demo);
    EXPECT_FALSE(o.help);
    EXPECT_EQ(parsed.commandLine.command, "connect");
    EXPECT_TRUE(parsed.commandLine.arguments.empty());
}

TEST(CliOptions, NothingGivenMeansDirectModeAndNoOverrides)
{
    const auto parsed = parseCommandLine({"connect"});
    ASSERT_TRUE(parsed.ok());
    const GlobalOptions& o = parsed.commandLine.options;
    EXPECT_EQ(o.mode, link::ConnectionMode::Direct);
    EXPECT_FALSE(o.address || o.port || o.password || o.panelId || o.pcId || o.callbackHost || o.account ||
                 o.ownPort || o.home);
    EXPECT_FALSE(o.demo);
}

TEST(CliOptions, ValueMayFollowAnEqualsSign)
{
    const auto parsed = parseCommandLine({"--mode=wait", "--port=10", "--callback=127.0.0.1:1", "connect"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.commandLine.options.mode, link::ConnectionMode::WaitForCall);
    EXPECT_EQ(parsed.commandLine.options.port, 10);
    EXPECT_EQ(parsed.commandLine.options.callbackHost, "127.0.0.1");
    EXPECT_EQ(parsed.commandLine.options.callbackPort, 1);
}

TEST(CliOptions, GlobalOptionsAfterTheCommandStillCount)
{
    const auto parsed = parseCommandLine({"--demo", "demo", "--mode", "wait"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.commandLine.command, "demo");
    EXPECT_EQ(parsed.commandLine.options.mode, link::ConnectionMode::WaitForCall);
    EXPECT_TRUE(parsed.commandLine.arguments.empty());
}

TEST(CliOptions, TheCommandKeepsItsOwnArgumentsAndOptions)
{
    const auto parsed = parseCommandLine({"new", "doc.rps", "--type", "21", "--port", "7000"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.commandLine.command, "new");
    EXPECT_EQ(parsed.commandLine.arguments, (Args{"doc.rps", "--type", "21"}));
    EXPECT_EQ(parsed.commandLine.options.port, 7000);
}

TEST(CliOptions, LastOccurrenceWins)
{
    const auto parsed = parseCommandLine({"--mode", "wait", "--mode", "direct", "connect"});
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.commandLine.options.mode, link::ConnectionMode::Direct);
}

TEST(CliOptions, HelpNeedsNoCommand)
{
    const auto parsed = parseCommandLine({"--help"});
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed.commandLine.options.help);
    EXPECT_TRUE(parsed.commandLine.command.empty());
}

TEST(CliOptions, PortBoundsAreInclusive)
{
    EXPECT_EQ(parseCommandLine({"--port", "1", "x"}).commandLine.options.port, 1);
    EXPECT_EQ(parseCommandLine({"--port", "65535", "x"}).commandLine.options.port, 65535);
    EXPECT_EQ(parseCommandLine({"--own-port", "65535", "x"}).commandLine.options.ownPort, 65535);
    EXPECT_EQ(parseCommandLine({"--password", "1234", "x"}).commandLine.options.password, "1234");
    EXPECT_EQ(parseCommandLine({"--account", "FFFF", "x"}).commandLine.options.account, 0xFFFF);
}

// ---------------------------------------------------------- invalid lines

struct BadLine {
    Args args;
    std::string mention; // the error names this
};

// A row prints as its command line in failures, not as its bytes.
void PrintTo(const BadLine& row, std::ostream* out)
{
    for (const std::string& arg : row.args)
        *out << '\'' << arg << "' ";
}

class CliOptionsInvalid : public ::testing::TestWithParam<BadLine> {};

TEST_P(CliOptionsInvalid, IsRefusedWithAMessage)
{
    const auto parsed = parseCommandLine(GetParam().args);
    ASSERT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error.find(GetParam().mention), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliOptionsInvalid,
    ::testing::Values(BadLine{{"--bogus", "connect"}, "--bogus"},
                      BadLine{{"-x"}, "-x"},
                      BadLine{{"connect", "--port"}, "needs a value"},
                      BadLine{{"--address"}, "needs a value"},
                      BadLine{{"--address", "256.1.1.1", "connect"}, "256.1.1.1"},
                      BadLine{{"--address", "1.2.3", "connect"}, "--address"},
                      BadLine{{"--address", "panel_1.site", "connect"}, "--address"},
                      BadLine{{"--address", "-panel.site", "connect"}, "--address"},
                      BadLine{{"--port", "0", "connect"}, "--port"},
                      BadLine{{"--port", "65536", "connect"}, "--port"},
                      BadLine{{"--port", "12a", "connect"}, "--port"},
                      BadLine{{"--port", "-5", "connect"}, "--port"},
                      BadLine{{"--port", "", "connect"}, "--port"},
                      BadLine{{"--password", "12345", "connect"}, "--password"},
                      BadLine{{"--password=", "connect"}, "--password"},
                      BadLine{{"--panel-id", "12345", "connect"}, "--panel-id"},
                      BadLine{{"--panel-id", "xyz", "connect"}, "--panel-id"},
                      BadLine{{"--pc-id", "0x12", "connect"}, "--pc-id"},
                      BadLine{{"--pc-id", "-1", "connect"}, "--pc-id"},
                      BadLine{{"--account", "g", "connect"}, "--account"},
                      BadLine{{"--mode", "fast", "connect"}, "--mode"},
                      BadLine{{"--mode", "Direct", "connect"}, "--mode"},
                      BadLine{{"--callback", "host", "connect"}, "--callback"},
                      BadLine{{"--callback", ":5000", "connect"}, "--callback"},
                      BadLine{{"--callback", "host:0", "connect"}, "--callback"},
                      BadLine{{"--callback", "host:70000", "connect"}, "--callback"},
                      BadLine{{"--own-port", "-1", "connect"}, "--own-port"},
                      BadLine{{"--own-port", "70000", "connect"}, "--own-port"},
                      BadLine{{"--home", "", "connect"}, "--home"},
                      BadLine{{"--demo=1", "connect"}, "takes no value"}));

// ---------------------------------------------------------- value parsers

TEST(CliValueParsers, Decimal)
{
    EXPECT_EQ(parseDecimal("0", 0, 10), 0);
    EXPECT_EQ(parseDecimal("10", 0, 10), 10);
    EXPECT_FALSE(parseDecimal("11", 0, 10));
    EXPECT_FALSE(parseDecimal(" 1", 0, 10));
    EXPECT_FALSE(parseDecimal("1 ", 0, 10));
    EXPECT_FALSE(parseDecimal("99999999999999999999999", 0, 10));
}

TEST(CliValueParsers, HexOfAtMostFourDigits)
{
    EXPECT_EQ(parseHex16("0"), 0);
    EXPECT_EQ(parseHex16("00ab"), 0xAB);
    EXPECT_EQ(parseHex16("FfFf"), 0xFFFF);
    EXPECT_FALSE(parseHex16(""));
    EXPECT_FALSE(parseHex16("10000"));
    EXPECT_FALSE(parseHex16("12 "));
    EXPECT_FALSE(parseHex16("+1"));
}

TEST(CliValueParsers, HostPortSplitsAtTheLastColon)
{
    const auto hp = parseHostPort("a:b:123");
    ASSERT_TRUE(hp);
    EXPECT_EQ(hp->host, "a:b");
    EXPECT_EQ(hp->port, 123);
    EXPECT_FALSE(parseHostPort("host:"));
    EXPECT_FALSE(parseHostPort("host"));
}

// ------------------------------------------------- options onto settings

TEST(CliApplyOptions, EachGivenOptionReplacesItsField)
{
    const auto parsed = parseCommandLine({"--address", "10.0.0.2", "--port", "4000", "--password", "99",
                                          "--callback", "cb:4001", "--account", "0a0b", "--own-port", "4002", "x"});
    ASSERT_TRUE(parsed.ok());
    link::ConnectionSettings s;
    applyOptions(parsed.commandLine.options, s);
    EXPECT_EQ(s.communicatorAddress, 0x0A000002u);
    EXPECT_EQ(s.communicatorPort, 4000);
    EXPECT_EQ(s.password, "99");
    EXPECT_EQ(s.callbackServer, "cb");
    EXPECT_EQ(s.callbackPort, 4001);
    EXPECT_EQ(s.account, 0x0A0B);
    EXPECT_EQ(s.ownPort, 4002);
    EXPECT_TRUE(s.useDefaultIds) << "no ID was given";
    EXPECT_EQ(s.updateServer, link::ConnectionSettings{}.updateServer);
}

TEST(CliApplyOptions, NoOptionsLeaveTheFileValues)
{
    link::ConnectionSettings fromFile;
    fromFile.password = "4321";
    fromFile.communicatorPort = 1234;
    fromFile.useDefaultIds = false;
    fromFile.panelId = 0x1111;
    link::ConnectionSettings s = fromFile;
    applyOptions(parseCommandLine({"connect"}).commandLine.options, s);
    EXPECT_EQ(s, fromFile);
}

TEST(CliApplyOptions, EitherIdTurnsTheDefaultIdsOff)
{
    link::ConnectionSettings fromFile;
    fromFile.pcId = 0x2222; // kept while default IDs were on
    link::ConnectionSettings s = fromFile;
    applyOptions(parseCommandLine({"--panel-id", "abcd", "x"}).commandLine.options, s);
    EXPECT_FALSE(s.useDefaultIds);
    EXPECT_EQ(s.effectivePanelId(), 0xABCD);
    EXPECT_EQ(s.effectivePcId(), 0x2222);

    link::ConnectionSettings t;
    applyOptions(parseCommandLine({"--pc-id", "1", "x"}).commandLine.options, t);
    EXPECT_FALSE(t.useDefaultIds);
    EXPECT_EQ(t.effectivePcId(), 1);
    EXPECT_EQ(t.effectivePanelId(), 0);
}

// ------------------------------------------------------ program directory

TEST(CliProgramDirectory, HomeOptionThenVariableThenExecutableDirectory)
{
    const std::filesystem::path exe = "/usr/lib/q";
    const auto withHome = parseCommandLine({"--home", "/h", "x"}).commandLine.options;
    const auto without = parseCommandLine({"x"}).commandLine.options;
    EXPECT_EQ(programDirectory(withHome, std::string("/env"), exe), "/h");
    EXPECT_EQ(programDirectory(without, std::string("/env"), exe), "/env");
    EXPECT_EQ(programDirectory(without, std::string(), exe), exe) << "an empty variable does not count";
    EXPECT_EQ(programDirectory(without, std::nullopt, exe), exe);
}

TEST(CliOptionsHelp, NamesEveryOption)
{
    const std::string help = optionsHelp();
    for (const char* name : {"--address", "--port", "--password", "--panel-id", "--pc-id", "--mode", "--callback",
                             "--account", "--own-port", "--home", "--demo", "--help"})
        EXPECT_NE(help.find(name), std::string::npos) << name;
}

} // namespace
