#pragma once
// Named numbers of the string table texts that core code refers to. Notices
// carry these ids; the words themselves come from app/Strings.
// Texts with a number conversion are marked "(format)".

namespace qarvo::text_id {

// Buttons shared by the dialogs
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// Communicator connection: opening, closing and the datagram endpoint
inline constexpr int kNoCallFromCommunicator = 54;
inline constexpr int kCommunicatorNoRequest = 55;
inline constexpr int kCommunicationError = 56;
inline constexpr int kWrongPassword = 57;
inline constexpr int kErrorWhileDisconnecting = 58;
inline constexpr int kPanelBusy = 60;
// Texts the panel's table has no number for (numbered from 9000)
inline constexpr int kConfigMissing = 9000;
inline constexpr int kSocketCannotBeInitialized = 9001;
inline constexpr int kPortNumberOutOfRange = 9002;
inline constexpr int kEnterNumberUpTo = 9003;
inline constexpr int kEnterServerAddress = 9004;
inline constexpr int kSettingsNotChanged = 9005;
inline constexpr int kEnterNumberFromOneUpTo = 9006; // (format) largest value
inline constexpr int kConfigValueRefused = 9040; // (format) the line number

// Connection status panes
inline constexpr int kConnecting = 16;
inline constexpr int kConnected = 19;
inline constexpr int kCheckIdCodes = 20;
inline constexpr int kDisconnecting = 21;
inline constexpr int kDisconnected = 84;

// Operation worker
inline constexpr int kPanelDoesntAnswer = 6;
inline constexpr int kAlarmCondition = 10;
inline constexpr int kTaviStillConnected = 24;
inline constexpr int kCompleted = 52;

// Progress captions of the panel operations
inline constexpr int kProgrammingDateAndTime = 5040;
inline constexpr int kChangingPgmStatus = 5041;
inline constexpr int kToggleChime = 5042;
inline constexpr int kArming = 5043;
inline constexpr int kArmingPartitionA = 5044;
inline constexpr int kArmingPartitionB = 5045;
inline constexpr int kDisarming = 5046;
inline constexpr int kDisarmingPartitionA = 5047;
inline constexpr int kDisarmingPartitionB = 5048;
inline constexpr int kBypassingZone = 5049;   // (format) zone number
inline constexpr int kUnbypassingZone = 5050; // (format) zone number
inline constexpr int kReadingMasterPage = 5051;
inline constexpr int kWritingMasterPage = 5052;
inline constexpr int kReadingInstallerPage = 5053;
inline constexpr int kWritingInstallerPage = 5054;
inline constexpr int kStoppingSystemAutoarming = 5092;
inline constexpr int kStoppingPartitionAAutoarming = 5093;
inline constexpr int kStoppingPartitionBAutoarming = 5094;

// Panel identification and model check
inline constexpr int kWrongPanelId = 8;
inline constexpr int kWrongPcId = 9;
inline constexpr int kNewerPanelVersion = 5184;
inline constexpr int kUnknownPanel = 5185;
inline constexpr int kDifferentPanel = 5186;

// Panel model texts, by panel type code 0x21 to 0x29, then any other code
inline constexpr int kModelPanelV21 = 70;
inline constexpr int kModelOrin = 71;
inline constexpr int kModelOrinVad = 72;
inline constexpr int kModelSirus = 73;
inline constexpr int kModelSirusVad = 74;
inline constexpr int kModelOrinIp = 75;
inline constexpr int kModelOrinIpVad = 76;
inline constexpr int kModelSirusIp = 77;
inline constexpr int kModelSirusIpVad = 78;
inline constexpr int kUnknownPanelCode = 79; // (format) type code, %02X

// Refusals of the panel commands
inline constexpr int kPgm1NotSwitchable = 5072;
inline constexpr int kPgm2NotSwitchable = 5073;
inline constexpr int kSystemMustBeDisarmedToBypass = 5074;
inline constexpr int kPartitionAMustBeDisarmedToBypass = 5075;   // (format) zone
inline constexpr int kPartitionBMustBeDisarmedToBypass = 5076;   // (format) zone
inline constexpr int kOnePartitionMustBeDisarmedToBypass = 5077; // (format) zone
inline constexpr int kZoneNotBypassable = 5078;                  // (format) zone
inline constexpr int kZoneWithoutPartition = 5079;               // (format) zone
inline constexpr int kPanelAlreadyDisarmed = 5080;
inline constexpr int kPartitionAAlreadyDisarmed = 5081;
inline constexpr int kPartitionBAlreadyDisarmed = 5082;
inline constexpr int kPanelAlreadyArmed = 5083;
inline constexpr int kPartitionAAlreadyArmed = 5084;
inline constexpr int kPartitionBAlreadyArmed = 5085;
inline constexpr int kPanelWithinExitTime = 5086;
inline constexpr int kPartitionAWithinExitTime = 5087;
inline constexpr int kPartitionBWithinExitTime = 5088;
inline constexpr int kSystemNotWithinAutoarming = 5089;
inline constexpr int kPartitionANotWithinAutoarming = 5090;
inline constexpr int kPartitionBNotWithinAutoarming = 5091;

// Settings document and the checks of the programming pages
inline constexpr int kDocumentTemplate = 128;
inline constexpr int kMaster = 5034;
inline constexpr int kUser = 5035;
inline constexpr int kMaintenance = 5187;
inline constexpr int kSetPgmType = 151; // (format) PGM number
inline constexpr int kUserCodeDigits = 249;
inline constexpr int kIncorrectHourMin = 273;
inline constexpr int kEnterHourMin = 274;
inline constexpr int kInvalidCommunicationFormat = 818;
inline constexpr int kHasToHaveValue = 5152;
inline constexpr int kHasToHaveNonZeroValue = 5153;
inline constexpr int kHexDigitCode = 5154; // (format) digit count
inline constexpr int kCheckSelectedValue = 5163;

// Event decoding: partition labels, the unknown event, month and day names
inline constexpr int kPartitionALabel = 66;
inline constexpr int kPartitionBLabel = 67;
inline constexpr int kPartitionABLabel = 68;
inline constexpr int kUnknownEvent = 371;
inline constexpr int kShortMonthJan = 1280;   // Jan to Dec follow in order
inline constexpr int kShortWeekdaySun = 1296; // Sun to Sat follow in order
inline constexpr int kMonthJanuary = 5243;    // January to December follow in order

// Event log reading
inline constexpr int kLogPrefix = 11;
inline constexpr int kEventLogReadOn = 61;
inline constexpr int kNoEventsRecorded = 62;
inline constexpr int kEventLogRead = 63;
inline constexpr int kEventLogReadAndCleared = 64;
inline constexpr int kEventUploadAborted = 65;
inline constexpr int kReadEventsNumber = 80;
inline constexpr int kEventsNumberRead = 81;
inline constexpr int kReadEventLogPercent = 82; // (format) per cent
inline constexpr int kClearEventLog = 83;
inline constexpr int kAllEventsMarkedRead = 263;
inline constexpr int kCurrentLog = 5241;
inline constexpr int kOldLog = 5242;

// Event log printing
inline constexpr int kPrintFileHeader = 176;
inline constexpr int kPrintPageOfPages = 177; // two numbers: formatNumbers

// Event log page and its exports
inline constexpr int kViewEventLog = 2505;
inline constexpr int kMarkEventsAsRead = 2506;
inline constexpr int kReadEntireLog = 2507;
inline constexpr int kBreakReading = 2508;
inline constexpr int kExportPdf = 2509;
inline constexpr int kExportTxt = 2510;
inline constexpr int kCurrentLogEntry = 2513;
inline constexpr int kCouldNotCreateFile = 9400;          // (format) %s the file
inline constexpr int kNoTemporaryPath = 9401;             // (format) error code
inline constexpr int kNoTemporaryFileName = 9402;         // (format) error code
inline constexpr int kCouldNotCreateTemporaryFile = 9403; // (format) %s the file
inline constexpr int kConverterNotStarted = 9404;         // (format) %s command line, error code
inline constexpr int kConverterFailed = 9405;             // (format) %s the converter's message
inline constexpr int kConverterTimedOut = 9406;           // (format) seconds
inline constexpr int kTextFilesFilter = 9407;
inline constexpr int kPdfFilesFilter = 9408;
inline constexpr int kProposedTextExport = 9409;
inline constexpr int kProposedPdfExport = 9410;
inline constexpr int kConverterUsage = 9411;
inline constexpr int kConverterCannotRead = 9412;  // (format) %s the file, %s why
inline constexpr int kConverterCannotWrite = 9413; // (format) %s the file
inline constexpr int kConverterExitCode = 9414;    // (format) exit code
inline constexpr int kPrinterNotOpened = 9415;

// Online status page
inline constexpr int kEntryTime = 132;
inline constexpr int kNotReady = 133;
inline constexpr int kReadyForForced = 134;
inline constexpr int kTamperTrouble = 137;
inline constexpr int kInvalidPgmType = 815;
inline constexpr int kInvalidZoneType = 816;
inline constexpr int kPgmOnOrOff = 5008; // (format) PGM number
inline constexpr int kTurnPgmOn = 5009;  // (format) PGM number
inline constexpr int kTurnPgmOff = 5010; // (format) PGM number
inline constexpr int kStartPgm = 5011;   // (format) PGM number
inline constexpr int kStopPgm = 5012;    // (format) PGM number
inline constexpr int kChimeOnOrOff = 5018;
inline constexpr int kTurnChimeOn = 5019;
inline constexpr int kTurnChimeOff = 5020;
inline constexpr int kArmOrDisarm = 5021;
inline constexpr int kArm = 5022;
inline constexpr int kDisarm = 5023;
inline constexpr int kStopAutoarm = 5024;
inline constexpr int kUnOrBypass = 5025;
inline constexpr int kUnbypass = 5026;
inline constexpr int kBypass = 5027;
inline constexpr int kPartitionAIs = 5028;
inline constexpr int kSystemIs = 5030;
inline constexpr int kOn = 5032;
inline constexpr int kOff = 5033;
inline constexpr int kNoSystemTroubles = 5104;
inline constexpr int kLowBattery = 5105;
inline constexpr int kAcLoss = 5106;
inline constexpr int kCommunicationFailure = 5107;
inline constexpr int kDateTimeLoss = 5108;
inline constexpr int kBellTrouble = 5109;
inline constexpr int kAuxTrouble = 5110;
inline constexpr int kTlmTrouble = 5111;
inline constexpr int kInstant = 5120;
inline constexpr int kStay = 5121;
inline constexpr int kArmedWord = 5122;
inline constexpr int kDisarmedWord = 5123;
inline constexpr int kExitTime = 5124;
inline constexpr int kAutoarming = 5127;
inline constexpr int kPartitionArmedWord = 5128;
inline constexpr int kPartitionDisarmedWord = 5129;

// Communicator options page
inline constexpr int kUnitSec = 104;
inline constexpr int kUnitMin = 105;
inline constexpr int kDownloadingSuccessfully = 6100;
inline constexpr int kErrorWhileDownloading = 6101;
inline constexpr int kUploadedSuccessfully = 6102;
inline constexpr int kErrorWhileUploading = 6103;
inline constexpr int kTaviTimeout = 6104;
inline constexpr int kErrorActivatingPgm = 6105;
inline constexpr int kDefaultsFileMissing = 9500;      // then the file's path
inline constexpr int kDefaultsNotWritten = 9501;       // then the file's path and the reason
inline constexpr int kEnterIpv4Address = 9502;

// Communicator firmware update
inline constexpr int kCommunicatorWillReset = 69;
inline constexpr int kHardwareError = 85;
inline constexpr int kFirmwareUpdating = 428;
inline constexpr int kFirmwareUpdateServer = 957;
inline constexpr int kAddress = 958;
inline constexpr int kPort = 959;
inline constexpr int kStart = 960;
inline constexpr int kDefaults = 961;
inline constexpr int kVersionGroup = 962;
inline constexpr int kCurrentVersion = 963;
inline constexpr int kUpdatingTo = 964;
inline constexpr int kStatusGroup = 965;
inline constexpr int kNotStarted = 966;
inline constexpr int kFirmwareUpdatingStarted = 6200;
inline constexpr int kLookingForUpdateServer = 6201;
inline constexpr int kCommunicationFailsUpdateStopped = 6202;
inline constexpr int kTimeout = 6203;
inline constexpr int kUpdateServerReached = 6204;
inline constexpr int kFirmwareUpToDate = 6205;
inline constexpr int kUpdateServerNotReached = 6206;
inline constexpr int kDownloading = 6207;
inline constexpr int kDownloadedConnectionClosed = 6208;
inline constexpr int kUpdatingBrokenByRemote = 6209;
inline constexpr int kUpdateServerUnknown = 9503;      // then the host
inline constexpr int kFirmwareUpdateRunning = 9504;
inline constexpr int kCloseButton = 9505;

// The document's modified state: the question before it is closed or replaced
inline constexpr int kSaveChanges = 9602; // (format) %s the document's name

// Start-up, languages and the about box
inline constexpr int kVersionTranslation = 7;
inline constexpr int kAboutTitle = 1500;
inline constexpr int kVersion = 1502;
inline constexpr int kLanguageSelection = 1800;
inline constexpr int kSelectLanguage = 1803;
inline constexpr int kRestartToApplyLanguage = 1805;
inline constexpr int kSettingsCompany = 57348;

// Passwords and login
inline constexpr int kPasswordSixDigits = 49;
inline constexpr int kInvalidPassword = 50;
inline constexpr int kChangePasswords = 59;
inline constexpr int kLoginPassword = 116;
inline constexpr int kErrorInMasterPage = 275;
inline constexpr int kErrorInInstallerPage = 276;

// Main window: closing, toolbars, pages, status bar, menus
inline constexpr int kCloseConnectionBeforeExit = 86;
inline constexpr int kToolNew = 1400;
inline constexpr int kToolOpen = 1401;
inline constexpr int kToolSave = 1402;
inline constexpr int kToolConnect = 1403;
inline constexpr int kToolWaiting = 1404;
inline constexpr int kToolStop = 1405;
inline constexpr int kToolUpload = 1406;
inline constexpr int kToolDownload = 1407;
inline constexpr int kToolEvents = 1408;
inline constexpr int kToolPreview = 1409;
inline constexpr int kToolPrint = 1410;
inline constexpr int kToolCallMe = 1411;
inline constexpr int kToolUpdate = 1412;
inline constexpr int kMenuFile = 1510;
inline constexpr int kMenuCommunication = 1511;
inline constexpr int kMenuSettings = 1512;
inline constexpr int kMenuHelp = 1522;
inline constexpr int kPageOnlineStatus = 5235;
inline constexpr int kPageMasterFunctions = 5236;
inline constexpr int kPageInstallerFunctions = 5237;
inline constexpr int kPageEventLog = 5238;
inline constexpr int kPageTavi = 5239;
inline constexpr int kPaneTavi = 59144;
inline constexpr int kPanePanel = 59145;

// Application shell: password labels, menu entries, start-up, command
// prompts, connection dialogs, version texts
// Change passwords: one label per page, in page order.
inline constexpr int kPasswordLabelFirst = 117;
// Menu entries: communication and settings commands.
inline constexpr int kMenuConnectToPanel = 1513;
inline constexpr int kMenuCallMe = 1514;
inline constexpr int kMenuWaitForCall = 1515;
inline constexpr int kMenuAbort = 1516;
inline constexpr int kMenuConnectToCommunicator = 1517;
inline constexpr int kMenuCommunicatorCallMe = 1518;
inline constexpr int kMenuConnectionOptions = 1519;
inline constexpr int kMenuChangePasswords = 1520;
inline constexpr int kMenuSelectLanguage = 1521;
// Menu entries: file and help commands.
inline constexpr int kMenuNew = 1523;
inline constexpr int kMenuOpen = 1524;
inline constexpr int kMenuSave = 1525;
inline constexpr int kMenuSaveAs = 1526;
inline constexpr int kMenuPrint = 1527;
inline constexpr int kMenuPrintPreview = 1528;
inline constexpr int kMenuPrintSetup = 1529;
inline constexpr int kMenuRecentFile = 1530;
inline constexpr int kMenuExit = 1531;
inline constexpr int kMenuAbout = 1532;
// Start-up
inline constexpr int kNoLanguagePack = 9100;
inline constexpr int kNoModuleName = 9102;
// Page password dialog
inline constexpr int kEnterPassword = 9104;
inline constexpr int kPasswordToAccess = 9105;
// Command prompts ("status line\ntool tip")
inline constexpr int kPromptShowOnline = 9106;
inline constexpr int kPromptShowMaster = 9107;
inline constexpr int kPromptShowInstaller = 9108;
inline constexpr int kPromptShowEventLog = 9109;
inline constexpr int kPromptShowTavi = 9110;
inline constexpr int kPromptChangePasswords = 9111;
inline constexpr int kPromptSelectLanguage = 9112;
inline constexpr int kPromptReadTaviOptions = 9113;
inline constexpr int kPromptWriteTaviOptions = 9114;
inline constexpr int kPromptFirmwareUpdate = 9115;
inline constexpr int kPromptConnectToCommunicator = 9116;
inline constexpr int kPromptCommunicatorCallMe = 9117;
inline constexpr int kPromptWaitForCall = 9118;
inline constexpr int kPromptAbort = 9119;
// Connection dialogs
inline constexpr int kIpSettingsTitle = 9120;
inline constexpr int kConnectToTitle = 9121;
inline constexpr int kCallbackTitle = 9122;
inline constexpr int kIpAddress = 9123;
inline constexpr int kBroadcast = 9124;
inline constexpr int kCallbackServer = 9125;
inline constexpr int kOwnPortNumber = 9126;
inline constexpr int kClient = 9127;
inline constexpr int kAccount = 9128;
inline constexpr int kPassword = 9129;
inline constexpr int kUseDefaultIds = 9130;
inline constexpr int kPanelId = 9131;
inline constexpr int kPcId = 9132;
// Pages that later work fills
inline constexpr int kPageNotBuilt = 9133;
// Version texts of the program's own resources
inline constexpr int kProductName = 9134;
inline constexpr int kLegalNotice = 9135;
// Recent documents and the title of a document without a file
inline constexpr int kNoRecentFiles = 9137;
inline constexpr int kSettingsNotWritten = 9138;
// Online page: the legend of an indicator column, then the shape of each
// indicator's mark in column order.
inline constexpr int kIndicatorLegend = 9310;
inline constexpr int kIndicatorShapeFirst = 9311;

// Desktop shell: password toggle, leaving while connected, what Stop ends
// next, the about box's build texts
inline constexpr int kShowPassword = 9700;
inline constexpr int kDisconnectAndExit = 9701;
inline constexpr int kStopEndsPanelLink = 9702;
inline constexpr int kStopClosesCommunicator = 9703;
inline constexpr int kBuilt = 9704;
inline constexpr int kQtVersion = 9705;
inline constexpr int kLicence = 9706;
inline constexpr int kLicenceText = 9707;
inline constexpr int kDocumentation = 9708;
// The backup a page write keeps of the panel's pages first
inline constexpr int kBackupKept = 9720;
inline constexpr int kBackupNotKept = 9721;
inline constexpr int kPartlyWritten = 9722;
inline constexpr int kAlreadyUpToDate = 9723;
// The desktop's own texts: a cut event log, the questions before a page
// write and before arming, the window's own messages (from 9800).
inline constexpr int kReadingInterrupted = 9800;
inline constexpr int kLogColumnNumber = 6000; // the zone grid's "No"
inline constexpr int kLogColumnDateTime = 9801;
inline constexpr int kLogColumnPartition = 9802;
inline constexpr int kLogColumnEvent = 9803;
inline constexpr int kLogFilter = 9804;
inline constexpr int kLogCopy = 9805;
inline constexpr int kMenuView = 9810;
inline constexpr int kMenuPanel = 9811;
inline constexpr int kMenuNextPage = 9812;
inline constexpr int kMenuPreviousPage = 9813;
inline constexpr int kMenuReadMaster = 9814;
inline constexpr int kMenuWriteMaster = 9815;
inline constexpr int kMenuReadInstaller = 9816;
inline constexpr int kMenuWriteInstaller = 9817;
inline constexpr int kMenuReadEventLog = 9818;
inline constexpr int kMenuReadTaviOptions = 9819;
inline constexpr int kMenuWriteTaviOptions = 9820;
inline constexpr int kMenuFirmwareUpdate = 9821;
inline constexpr int kDontAskAgain = 9830;
inline constexpr int kConfirmPageWrite = 9831;      // (format) the page's name, the settings that differ
inline constexpr int kConfirmArmingOpenZones = 9832; // (format) the open zones
inline constexpr int kEnterPanelAddress = 9833;
inline constexpr int kCommandLineHelp = 9840;
// The site book's window and dialogs.
inline constexpr int kMenuSites = 9850;
inline constexpr int kSitesTitle = 9851;
inline constexpr int kSiteTags = 9852;
inline constexpr int kSiteLastBackup = 9853;
inline constexpr int kSiteLastOutcome = 9854;
inline constexpr int kSiteTroubles = 9855;
inline constexpr int kSiteAdd = 9856;
inline constexpr int kSiteEdit = 9857;
inline constexpr int kSiteRemove = 9858;
inline constexpr int kSiteConnect = 9859;
inline constexpr int kSiteHistory = 9860;
inline constexpr int kConfirmSiteRemove = 9861;
inline constexpr int kSiteMode = 9862;
inline constexpr int kSiteModeDirect = 9863;
inline constexpr int kSiteModeCallback = 9864;
inline constexpr int kSiteModeWait = 9865;
inline constexpr int kSiteCallback = 9866;
inline constexpr int kSiteNotes = 9867;
inline constexpr int kSitePasswordKept = 9868;
inline constexpr int kSiteHistoryTitle = 9869;
inline constexpr int kSiteBackups = 9870;
inline constexpr int kSiteRuns = 9871;
inline constexpr int kSiteOpenBackup = 9872;
inline constexpr int kSiteCompare = 9873;
inline constexpr int kSiteKind = 9874;
inline constexpr int kSiteStarted = 9875;
inline constexpr int kSiteEnded = 9876;
inline constexpr int kSiteOutcome = 9877;
inline constexpr int kSiteMessage = 9878;
inline constexpr int kSiteBookUnusable = 9879;
inline constexpr int kSiteSetting = 9880;
inline constexpr int kSiteLabel = 9881;
inline constexpr int kSiteBefore = 9882;
inline constexpr int kSiteAfter = 9883;
inline constexpr int kSiteCompareTitle = 9884;
inline constexpr int kSiteNoDifference = 9885;
inline constexpr int kSiteRefused = 9886;
inline constexpr int kSiteChooseBackup = 9887;
inline constexpr int kSiteName = 9888;
inline constexpr int kSiteModel = 9889;
inline constexpr int kSiteTime = 9890;
inline constexpr int kSiteChanged = 9891;
inline constexpr int kSiteBackUp = 9892;
inline constexpr int kSiteStatus = 9893;
inline constexpr int kSiteStop = 9894;
inline constexpr int kSiteProgress = 9895;
inline constexpr int kSiteWaiting = 9896;
inline constexpr int kSiteRunning = 9897;
inline constexpr int kSiteDone = 9898;
inline constexpr int kSiteFailed = 9899;
inline constexpr int kSiteRunRefused = 9900;
inline constexpr int kSiteInterrupted = 9901;
inline constexpr int kSiteNoneSelected = 9902;

} // namespace qarvo::text_id
