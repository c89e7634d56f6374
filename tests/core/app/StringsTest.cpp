#include "app/StringTable.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "support/SourceTree.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

using namespace qarvo;

namespace {

// ---------------------------------------------------------------- the table

TEST(StringTable, IdsAreSortedAndUnique)
{
    const auto table = strings::stringTable();
    ASSERT_GT(table.size(), 600u);
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].id, table[i].id) << "at index " << i;
}

TEST(StringTable, EveryEntryHasText)
{
    for (const auto& entry : strings::stringTable()) {
        ASSERT_NE(entry.text, nullptr) << entry.id;
        EXPECT_GT(std::string(entry.text).size(), 0u) << entry.id;
    }
}

TEST(StringTable, BinarySearchFindsEveryEntry)
{
    for (const auto& entry : strings::stringTable())
        EXPECT_EQ(strings::findEnglish(entry.id), entry.text) << entry.id;
}

TEST(StringTable, KnownTextsAreExact)
{
    EXPECT_STREQ(strings::english(57), "Wrong password");
    EXPECT_STREQ(strings::english(66), "Partition A    ");
    EXPECT_STREQ(strings::english(67), "Partition     B");
    EXPECT_STREQ(strings::english(52), "Completed ");
    EXPECT_STREQ(strings::english(70), "Panel v2.1 ");
    EXPECT_STREQ(strings::english(5121), "STAY ");
    EXPECT_STREQ(strings::english(5186),
                 "You connected to a different panel. All parameters have been reset to default.");
    EXPECT_STREQ(strings::english(10),
                 "Control panel detected an alarm condition which must be\n"
                 "reported to central station and will disconnect the computer.\n"
                 "Try to connect again later.");
    EXPECT_STREQ(strings::english(58),
                 "Error while disconnecting\nCommunicator may be still in connection state");
    EXPECT_STREQ(strings::english(5077), "At least one partition has to be disarmed \n"
                                         "in order to bypass/unbypass zone  %d.");
    EXPECT_STREQ(strings::english(2235), "\"AC power loss\" event initiates voice/sound reporting");
}

TEST(StringTable, RunsOfNamesFollowInOrder)
{
    EXPECT_STREQ(strings::english(text_id::kShortMonthJan + 8), "Sept");
    EXPECT_STREQ(strings::english(text_id::kShortMonthJan + 11), "Dec");
    EXPECT_STREQ(strings::english(text_id::kShortWeekdaySun + 6), "Sat");
    EXPECT_STREQ(strings::english(text_id::kMonthJanuary + 11), "December");
    EXPECT_STREQ(strings::english(text_id::kModelPanelV21 + (0x29 - 0x21)),
                 "SirusIP (8 PGMs, 16 zones, wireless, VAD)");
}

TEST(StringTable, PartitionBRefusalNamesPartitionB)
{
    EXPECT_STREQ(strings::english(text_id::kPartitionBNotWithinAutoarming),
                 "Partition B is not within autoarming");
}

TEST(StringTable, UnknownIdHasNoText)
{
    EXPECT_EQ(strings::english(0), nullptr);
    EXPECT_EQ(strings::english(3), nullptr);
    EXPECT_EQ(strings::english(-1), nullptr);
    EXPECT_EQ(strings::english(999999), nullptr);
    EXPECT_EQ(strings::text(3), QStringLiteral("#3"));
    EXPECT_EQ(strings::utf8(12345), "#12345");
}

// ------------------------------------------------------------------ format

TEST(StringsFormat, FillsDecimalAndHexConversions)
{
    EXPECT_EQ(strings::format(text_id::kBypassingZone, 7), QStringLiteral("Bypassing zone 7"));
    EXPECT_EQ(strings::format(text_id::kUnknownPanelCode, 0x2A),
              QStringLiteral("Unknown panel code: 2A"));
    EXPECT_EQ(strings::format(text_id::kUnknownPanelCode, 5),
              QStringLiteral("Unknown panel code: 05"));
    EXPECT_EQ(strings::format(25, 3), QStringLiteral("RF Supervision Loss Zone 03"));
    EXPECT_EQ(strings::format(text_id::kPgmOnOrOff, 4), QStringLiteral("PGM4 on / off"));
}

TEST(StringsFormat, KeepsTheRestOfAMultiLineText)
{
    EXPECT_EQ(strings::format(text_id::kZoneNotBypassable, 12),
              QStringLiteral("Zone 12 is not bypassable. Please change the zone \n"
                             "attribute in order to bypass/unbypass it."));
}

TEST(StringsFormat, PercentEscapeBecomesOnePercentSign)
{
    EXPECT_EQ(strings::format(text_id::kReadEventLogPercent, 7),
              QStringLiteral("Read event log 07%"));
}

TEST(StringsFormat, NegativeNumbers)
{
    EXPECT_EQ(strings::format(text_id::kBypassingZone, -3), QStringLiteral("Bypassing zone -3"));
    EXPECT_EQ(strings::format(text_id::kUnknownPanelCode, -1),
              QStringLiteral("Unknown panel code: FFFFFFFF"));
}

TEST(StringsFormat, TextWithoutNumberConversionIsUnchanged)
{
    EXPECT_EQ(strings::format(text_id::kWrongPassword, 42), QStringLiteral("Wrong password"));
    // "% f" would be a float conversion to printf; the text must stay as it is.
    EXPECT_EQ(strings::format(232, 42), QStringLiteral("Log 90% full"));
    EXPECT_EQ(strings::format(500, 42), QStringLiteral("Event LOG is 90% full"));
    EXPECT_EQ(strings::format(123456, 42), QStringLiteral("#123456"));
}

TEST(StringsFormat, NumberCountMustMatchConversions)
{
    EXPECT_EQ(strings::format(text_id::kPrintPageOfPages, 2), QStringLiteral("Page: %d/%d"));
    EXPECT_EQ(strings::formatNumbers(text_id::kPrintPageOfPages, {2, 5}),
              QStringLiteral("Page: 2/5"));
    EXPECT_EQ(strings::formatNumbers(text_id::kBypassingZone, {1, 2}),
              QStringLiteral("Bypassing zone %d"));
    EXPECT_EQ(strings::formatNumbers(text_id::kBypassingZone, {}),
              QStringLiteral("Bypassing zone %d"));
}

// ------------------------------------------------------------ translations

// A language pack stand-in: translates the keys it holds in context "Strings".
class FakePack : public QTranslator {
public:
    explicit FakePack(std::map<std::string, QString> texts) : texts_(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (std::string(context) != strings::kTranslationContext)
            return {};
        const auto it = texts_.find(source);
        return it == texts_.end() ? QString() : it->second;
    }

private:
    std::map<std::string, QString> texts_;
};

class StringsTranslation : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_app";
            static char* argv[] = {name, nullptr};
            ownApp_ = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    void TearDown() override
    {
        if (pack_)
            QCoreApplication::removeTranslator(pack_.get());
        pack_.reset();
        ownApp_.reset();
    }
    void install(std::map<std::string, QString> texts)
    {
        pack_ = std::make_unique<FakePack>(std::move(texts));
        ASSERT_TRUE(QCoreApplication::installTranslator(pack_.get()));
    }

private:
    std::unique_ptr<QCoreApplication> ownApp_;
    std::unique_ptr<FakePack> pack_;
};

TEST_F(StringsTranslation, KeyNamesTheId)
{
    EXPECT_EQ(strings::translationKey(57), "qarvo_57");
}

TEST_F(StringsTranslation, EnglishWithoutPack)
{
    EXPECT_EQ(strings::text(57), QStringLiteral("Wrong password"));
    EXPECT_EQ(strings::utf8(66), "Partition A    ");
}

TEST_F(StringsTranslation, PackReplacesItsTextsOnly)
{
    install({{"qarvo_57", QStringLiteral("Falsches Passwort")},
             {"qarvo_5049", QStringLiteral("Überbrücke Zone %d")}});
    EXPECT_EQ(strings::text(57), QStringLiteral("Falsches Passwort"));
    EXPECT_EQ(strings::text(56), QStringLiteral("Communication error"));
    EXPECT_EQ(strings::format(5049, 3), QStringLiteral("Überbrücke Zone 3"));
    EXPECT_EQ(strings::utf8(5049), "\xC3\x9C" "berbr\xC3\xBC" "cke Zone %d");
    EXPECT_STREQ(strings::english(57), "Wrong password");
}

TEST_F(StringsTranslation, EmptyTranslationFallsBackToEnglish)
{
    install({{"qarvo_57", QString()}});
    EXPECT_EQ(strings::text(57), QStringLiteral("Wrong password"));
}

TEST_F(StringsTranslation, PackCannotIntroduceUnsafeConversions)
{
    install({{"qarvo_5049", QStringLiteral("Zone %s")},
             {"qarvo_5050", QStringLiteral("Zone %99999d")},
             {"qarvo_79", QStringLiteral("Code %*d")},
             {"qarvo_5078", QStringLiteral("Zone %d %")}});
    EXPECT_EQ(strings::format(5049, 3), QStringLiteral("Zone %s"));
    EXPECT_EQ(strings::format(5050, 3), QStringLiteral("Zone %99999d"));
    EXPECT_EQ(strings::format(79, 3), QStringLiteral("Code %*d"));
    EXPECT_EQ(strings::format(5078, 3), QStringLiteral("Zone %d %"));
}

TEST_F(StringsTranslation, PackTextForUnknownIdIsNotUsed)
{
    install({{"qarvo_3", QStringLiteral("drei")}});
    EXPECT_EQ(strings::text(3), QStringLiteral("#3"));
}

// ---------------------------------------------------------- named text ids

struct NamedId {
    const char* name;
    int id;
};

#define NAMED(name) NamedId{#name, text_id::name}
const NamedId kNamedIds[] = {
    NAMED(kOk), NAMED(kCancel), NAMED(kNoCallFromCommunicator), NAMED(kCommunicatorNoRequest),
    NAMED(kCommunicationError), NAMED(kWrongPassword), NAMED(kErrorWhileDisconnecting),
    NAMED(kPanelBusy), NAMED(kConfigMissing), NAMED(kSocketCannotBeInitialized),
    NAMED(kPortNumberOutOfRange), NAMED(kEnterNumberUpTo), NAMED(kEnterServerAddress), NAMED(kSettingsNotChanged), NAMED(kEnterNumberFromOneUpTo), NAMED(kConfigValueRefused), NAMED(kConnecting), NAMED(kConnected), NAMED(kCheckIdCodes),
    NAMED(kDisconnecting), NAMED(kDisconnected), NAMED(kPanelDoesntAnswer), NAMED(kAlarmCondition),
    NAMED(kTaviStillConnected), NAMED(kCompleted), NAMED(kProgrammingDateAndTime),
    NAMED(kChangingPgmStatus), NAMED(kToggleChime), NAMED(kArming), NAMED(kArmingPartitionA),
    NAMED(kArmingPartitionB), NAMED(kDisarming), NAMED(kDisarmingPartitionA),
    NAMED(kDisarmingPartitionB), NAMED(kBypassingZone), NAMED(kUnbypassingZone),
    NAMED(kReadingMasterPage), NAMED(kWritingMasterPage), NAMED(kReadingInstallerPage),
    NAMED(kWritingInstallerPage), NAMED(kStoppingSystemAutoarming),
    NAMED(kStoppingPartitionAAutoarming), NAMED(kStoppingPartitionBAutoarming),
    NAMED(kWrongPanelId), NAMED(kWrongPcId), NAMED(kNewerPanelVersion), NAMED(kUnknownPanel),
    NAMED(kDifferentPanel), NAMED(kModelPanelV21), NAMED(kModelOrin), NAMED(kModelOrinVad),
    NAMED(kModelSirus), NAMED(kModelSirusVad), NAMED(kModelOrinIp), NAMED(kModelOrinIpVad),
    NAMED(kModelSirusIp), NAMED(kModelSirusIpVad), NAMED(kUnknownPanelCode),
    NAMED(kPgm1NotSwitchable), NAMED(kPgm2NotSwitchable), NAMED(kSystemMustBeDisarmedToBypass),
    NAMED(kPartitionAMustBeDisarmedToBypass), NAMED(kPartitionBMustBeDisarmedToBypass),
    NAMED(kOnePartitionMustBeDisarmedToBypass), NAMED(kZoneNotBypassable),
    NAMED(kZoneWithoutPartition), NAMED(kPanelAlreadyDisarmed), NAMED(kPartitionAAlreadyDisarmed),
    NAMED(kPartitionBAlreadyDisarmed), NAMED(kPanelAlreadyArmed), NAMED(kPartitionAAlreadyArmed),
    NAMED(kPartitionBAlreadyArmed), NAMED(kPanelWithinExitTime), NAMED(kPartitionAWithinExitTime),
    NAMED(kPartitionBWithinExitTime), NAMED(kSystemNotWithinAutoarming),
    NAMED(kPartitionANotWithinAutoarming), NAMED(kPartitionBNotWithinAutoarming),
    NAMED(kDocumentTemplate), NAMED(kMaster), NAMED(kUser), NAMED(kMaintenance), NAMED(kSetPgmType),
    NAMED(kUserCodeDigits), NAMED(kIncorrectHourMin), NAMED(kEnterHourMin),
    NAMED(kInvalidCommunicationFormat), NAMED(kHasToHaveValue), NAMED(kHasToHaveNonZeroValue),
    NAMED(kHexDigitCode), NAMED(kCheckSelectedValue), NAMED(kPartitionALabel),
    NAMED(kPartitionBLabel), NAMED(kPartitionABLabel), NAMED(kUnknownEvent), NAMED(kShortMonthJan),
    NAMED(kShortWeekdaySun), NAMED(kMonthJanuary), NAMED(kLogPrefix), NAMED(kEventLogReadOn),
    NAMED(kNoEventsRecorded), NAMED(kEventLogRead), NAMED(kEventLogReadAndCleared),
    NAMED(kEventUploadAborted), NAMED(kReadEventsNumber), NAMED(kEventsNumberRead),
    NAMED(kReadEventLogPercent), NAMED(kClearEventLog), NAMED(kAllEventsMarkedRead),
    NAMED(kCurrentLog), NAMED(kOldLog), NAMED(kPrintFileHeader), NAMED(kPrintPageOfPages),
    NAMED(kViewEventLog), NAMED(kMarkEventsAsRead), NAMED(kReadEntireLog), NAMED(kBreakReading), NAMED(kExportPdf),
    NAMED(kExportTxt), NAMED(kCurrentLogEntry), NAMED(kCouldNotCreateFile), NAMED(kNoTemporaryPath),
    NAMED(kNoTemporaryFileName), NAMED(kCouldNotCreateTemporaryFile), NAMED(kConverterNotStarted),
    NAMED(kConverterFailed), NAMED(kConverterTimedOut), NAMED(kTextFilesFilter), NAMED(kPdfFilesFilter),
    NAMED(kProposedTextExport), NAMED(kProposedPdfExport), NAMED(kConverterUsage), NAMED(kConverterCannotRead),
    NAMED(kConverterCannotWrite), NAMED(kConverterExitCode), NAMED(kPrinterNotOpened),
    NAMED(kEntryTime), NAMED(kNotReady), NAMED(kReadyForForced), NAMED(kTamperTrouble),
    NAMED(kInvalidPgmType), NAMED(kInvalidZoneType), NAMED(kPgmOnOrOff), NAMED(kTurnPgmOn),
    NAMED(kTurnPgmOff), NAMED(kStartPgm), NAMED(kStopPgm), NAMED(kChimeOnOrOff),
    NAMED(kTurnChimeOn), NAMED(kTurnChimeOff), NAMED(kArmOrDisarm), NAMED(kArm), NAMED(kDisarm),
    NAMED(kStopAutoarm), NAMED(kUnOrBypass), NAMED(kUnbypass), NAMED(kBypass), NAMED(kPartitionAIs),
    NAMED(kSystemIs), NAMED(kOn), NAMED(kOff), NAMED(kNoSystemTroubles), NAMED(kLowBattery),
    NAMED(kAcLoss), NAMED(kCommunicationFailure), NAMED(kDateTimeLoss), NAMED(kBellTrouble),
    NAMED(kAuxTrouble), NAMED(kTlmTrouble), NAMED(kInstant), NAMED(kStay), NAMED(kArmedWord),
    NAMED(kDisarmedWord), NAMED(kExitTime), NAMED(kAutoarming), NAMED(kPartitionArmedWord),
    NAMED(kPartitionDisarmedWord), NAMED(kUnitSec), NAMED(kUnitMin),
    NAMED(kDownloadingSuccessfully), NAMED(kErrorWhileDownloading), NAMED(kUploadedSuccessfully),
    NAMED(kErrorWhileUploading), NAMED(kTaviTimeout), NAMED(kErrorActivatingPgm),
    NAMED(kDefaultsFileMissing), NAMED(kDefaultsNotWritten), NAMED(kEnterIpv4Address),
    NAMED(kUpdateServerUnknown), NAMED(kFirmwareUpdateRunning), NAMED(kCloseButton), NAMED(kSaveChanges),
    NAMED(kCommunicatorWillReset), NAMED(kHardwareError), NAMED(kFirmwareUpdating),
    NAMED(kFirmwareUpdateServer), NAMED(kAddress), NAMED(kPort), NAMED(kStart), NAMED(kDefaults),
    NAMED(kVersionGroup), NAMED(kCurrentVersion), NAMED(kUpdatingTo), NAMED(kStatusGroup),
    NAMED(kNotStarted), NAMED(kFirmwareUpdatingStarted), NAMED(kLookingForUpdateServer),
    NAMED(kCommunicationFailsUpdateStopped), NAMED(kTimeout), NAMED(kUpdateServerReached),
    NAMED(kFirmwareUpToDate), NAMED(kUpdateServerNotReached), NAMED(kDownloading),
    NAMED(kDownloadedConnectionClosed), NAMED(kUpdatingBrokenByRemote), NAMED(kVersionTranslation),
    NAMED(kAboutTitle), NAMED(kVersion), NAMED(kLanguageSelection), NAMED(kSelectLanguage),
    NAMED(kRestartToApplyLanguage), NAMED(kSettingsCompany), NAMED(kPasswordSixDigits),
    NAMED(kInvalidPassword), NAMED(kChangePasswords), NAMED(kLoginPassword),
    NAMED(kErrorInMasterPage), NAMED(kErrorInInstallerPage), NAMED(kCloseConnectionBeforeExit),
    NAMED(kToolNew), NAMED(kToolOpen), NAMED(kToolSave), NAMED(kToolConnect), NAMED(kToolWaiting),
    NAMED(kToolStop), NAMED(kToolUpload), NAMED(kToolDownload), NAMED(kToolEvents),
    NAMED(kToolPreview), NAMED(kToolPrint), NAMED(kToolCallMe), NAMED(kToolUpdate),
    NAMED(kMenuFile), NAMED(kMenuCommunication), NAMED(kMenuSettings), NAMED(kMenuHelp),
    NAMED(kPageOnlineStatus), NAMED(kPageMasterFunctions), NAMED(kPageInstallerFunctions),
    NAMED(kPageEventLog), NAMED(kPageTavi), NAMED(kPaneTavi), NAMED(kPanePanel),
    NAMED(kPasswordLabelFirst), NAMED(kMenuConnectToPanel), NAMED(kMenuCallMe), NAMED(kMenuWaitForCall),
    NAMED(kMenuAbort), NAMED(kMenuConnectToCommunicator), NAMED(kMenuCommunicatorCallMe),
    NAMED(kMenuConnectionOptions), NAMED(kMenuChangePasswords), NAMED(kMenuSelectLanguage), NAMED(kMenuNew),
    NAMED(kMenuOpen), NAMED(kMenuSave), NAMED(kMenuSaveAs), NAMED(kMenuPrint), NAMED(kMenuPrintPreview),
    NAMED(kMenuPrintSetup), NAMED(kMenuRecentFile), NAMED(kMenuExit), NAMED(kMenuAbout), NAMED(kNoLanguagePack),
    NAMED(kNoModuleName), NAMED(kEnterPassword), NAMED(kPasswordToAccess), NAMED(kPromptShowOnline),
    NAMED(kPromptShowMaster), NAMED(kPromptShowInstaller), NAMED(kPromptShowEventLog), NAMED(kPromptShowTavi),
    NAMED(kPromptChangePasswords), NAMED(kPromptSelectLanguage), NAMED(kPromptReadTaviOptions),
    NAMED(kPromptWriteTaviOptions), NAMED(kPromptFirmwareUpdate), NAMED(kPromptConnectToCommunicator),
    NAMED(kPromptCommunicatorCallMe), NAMED(kPromptWaitForCall), NAMED(kPromptAbort), NAMED(kIpSettingsTitle),
    NAMED(kConnectToTitle), NAMED(kCallbackTitle), NAMED(kIpAddress), NAMED(kBroadcast), NAMED(kCallbackServer),
    NAMED(kOwnPortNumber), NAMED(kClient), NAMED(kAccount), NAMED(kPassword), NAMED(kUseDefaultIds),
    NAMED(kPanelId), NAMED(kPcId), NAMED(kPageNotBuilt), NAMED(kProductName), NAMED(kLegalNotice),
    NAMED(kNoRecentFiles), NAMED(kSettingsNotWritten), NAMED(kIndicatorLegend), NAMED(kIndicatorShapeFirst),
    NAMED(kShowPassword), NAMED(kDisconnectAndExit),
    NAMED(kStopEndsPanelLink), NAMED(kStopClosesCommunicator), NAMED(kBuilt), NAMED(kQtVersion),
    NAMED(kLicence), NAMED(kLicenceText), NAMED(kDocumentation),
    NAMED(kBackupKept), NAMED(kBackupNotKept), NAMED(kPartlyWritten), NAMED(kAlreadyUpToDate),
    NAMED(kReadingInterrupted), NAMED(kLogColumnNumber), NAMED(kLogColumnDateTime), NAMED(kLogColumnPartition),
    NAMED(kLogColumnEvent), NAMED(kLogFilter), NAMED(kLogCopy), NAMED(kMenuView), NAMED(kMenuPanel),
    NAMED(kMenuNextPage), NAMED(kMenuPreviousPage), NAMED(kMenuReadMaster), NAMED(kMenuWriteMaster),
    NAMED(kMenuReadInstaller), NAMED(kMenuWriteInstaller), NAMED(kMenuReadEventLog), NAMED(kMenuReadTaviOptions),
    NAMED(kMenuWriteTaviOptions), NAMED(kMenuFirmwareUpdate), NAMED(kDontAskAgain), NAMED(kConfirmPageWrite),
    NAMED(kConfirmArmingOpenZones), NAMED(kEnterPanelAddress), NAMED(kCommandLineHelp),
    NAMED(kMenuSites), NAMED(kSitesTitle), NAMED(kSiteTags), NAMED(kSiteLastBackup), NAMED(kSiteLastOutcome), NAMED(kSiteTroubles), NAMED(kSiteAdd), NAMED(kSiteEdit), NAMED(kSiteRemove), NAMED(kSiteConnect), NAMED(kSiteHistory), NAMED(kConfirmSiteRemove), NAMED(kSiteMode), NAMED(kSiteModeDirect), NAMED(kSiteModeCallback), NAMED(kSiteModeWait), NAMED(kSiteCallback), NAMED(kSiteNotes), NAMED(kSitePasswordKept), NAMED(kSiteHistoryTitle), NAMED(kSiteBackups), NAMED(kSiteRuns), NAMED(kSiteOpenBackup), NAMED(kSiteCompare), NAMED(kSiteKind), NAMED(kSiteStarted), NAMED(kSiteEnded), NAMED(kSiteOutcome), NAMED(kSiteMessage), NAMED(kSiteBookUnusable), NAMED(kSiteSetting), NAMED(kSiteLabel), NAMED(kSiteBefore), NAMED(kSiteAfter), NAMED(kSiteCompareTitle), NAMED(kSiteNoDifference), NAMED(kSiteRefused), NAMED(kSiteChooseBackup), NAMED(kSiteName), NAMED(kSiteModel), NAMED(kSiteTime), NAMED(kSiteChanged), NAMED(kSiteBackUp), NAMED(kSiteStatus), NAMED(kSiteStop), NAMED(kSiteProgress), NAMED(kSiteWaiting), NAMED(kSiteRunning), NAMED(kSiteDone), NAMED(kSiteFailed), NAMED(kSiteRunRefused), NAMED(kSiteInterrupted), NAMED(kSiteNoneSelected),
};
#undef NAMED

TEST(TextIds, EveryNamedIdHasAText)
{
    for (const auto& named : kNamedIds)
        EXPECT_NE(strings::english(named.id), nullptr) << named.name << " = " << named.id;
}

TEST(TextIds, NamesAreUniqueAndIdsUnique)
{
    std::map<std::string, int> byName;
    std::map<int, std::string> byId;
    for (const auto& named : kNamedIds) {
        EXPECT_TRUE(byName.emplace(named.name, named.id).second) << named.name;
        EXPECT_TRUE(byId.emplace(named.id, named.name).second)
            << named.name << " repeats id " << named.id << " of " << byId[named.id];
    }
}

// The list above must cover the header: a constant added there without a
// text would otherwise go unchecked.
// File names and command lines go in as they are, after the numbers.
TEST(Strings, FormatTextsFillsTextsThenNumbers)
{
    struct Case {
        int id;
        std::initializer_list<QString> texts;
        std::initializer_list<long> numbers;
        QString expected;
    };
    const Case cases[] = {
        {text_id::kCouldNotCreateFile, {"/tmp/100% done.txt"}, {}, "Error: Could not create file '/tmp/100% done.txt'"},
        {text_id::kConverterNotStarted, {"Text2PDF \"a %d.txt\" \"b.pdf\""}, {2},
         "Error executing command: 'Text2PDF \"a %d.txt\" \"b.pdf\"' [0X000002]\n"},
        {text_id::kConverterCannotRead, {"in.txt", "No such file"}, {}, "Cannot read the text file 'in.txt': No such file"},
        {text_id::kNoTemporaryPath, {}, {0x1F}, "Error: Could not get temporary path. [0X00001F]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(strings::formatTexts(c.id, c.texts, c.numbers), c.expected) << c.id;
}

TEST(TextIds, ListCoversEveryConstantOfTheHeader)
{
    const auto header = qarvo::testing::sourcePath("src/core/base/TextIds.h");
    std::ifstream in(header);
    ASSERT_TRUE(in) << header;
    std::stringstream content;
    content << in.rdbuf();
    const std::string source = content.str();

    std::map<std::string, int> listed;
    for (const auto& named : kNamedIds)
        listed.emplace(named.name, named.id);

    const std::regex constant(R"(inline constexpr int (k\w+) = (\d+);)");
    std::size_t found = 0;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), constant);
         it != std::sregex_iterator(); ++it) {
        ++found;
        const std::string name = (*it)[1];
        ASSERT_TRUE(listed.count(name)) << name << " is missing from kNamedIds";
        EXPECT_EQ(listed[name], std::stoi((*it)[2])) << name;
    }
    EXPECT_EQ(found, listed.size());
}

TEST(TextIds, AgreedNumbers)
{
    EXPECT_EQ(text_id::kWrongPassword, 57);
    EXPECT_EQ(text_id::kCommunicationError, 56);
    EXPECT_EQ(text_id::kNoCallFromCommunicator, 54);
    EXPECT_EQ(text_id::kCommunicatorNoRequest, 55);
    EXPECT_EQ(text_id::kErrorWhileDisconnecting, 58);
    EXPECT_EQ(text_id::kConnecting, 16);
    EXPECT_EQ(text_id::kConnected, 19);
    EXPECT_EQ(text_id::kDisconnecting, 21);
    EXPECT_EQ(text_id::kDisconnected, 84);
    EXPECT_EQ(text_id::kCheckIdCodes, 20);
    EXPECT_EQ(text_id::kPanelBusy, 60);
    EXPECT_EQ(text_id::kPanelDoesntAnswer, 6);
    EXPECT_EQ(text_id::kAlarmCondition, 10);
    EXPECT_EQ(text_id::kTaviStillConnected, 24);
    EXPECT_EQ(text_id::kWrongPanelId, 8);
    EXPECT_EQ(text_id::kWrongPcId, 9);
    EXPECT_EQ(text_id::kNewerPanelVersion, 5184);
    EXPECT_EQ(text_id::kUnknownPanel, 5185);
    EXPECT_EQ(text_id::kDifferentPanel, 5186);
    EXPECT_EQ(text_id::kCompleted, 52);
    EXPECT_STREQ(strings::english(text_id::kConfigMissing),
                 "Config file is missed or corrupted. Defaults will be used.");
    EXPECT_STREQ(strings::english(text_id::kSocketCannotBeInitialized), "Socket cannot be initialized");
    EXPECT_STREQ(strings::english(text_id::kPortNumberOutOfRange),
                 "Port number must be between 10 and 65535. Repeat.");
}

} // namespace
