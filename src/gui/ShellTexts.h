#pragma once
// Texts of the application shell (menus, command prompts, dialogs) that the
// core string table does not hold yet. They are looked up and translated
// exactly like the string table's texts (context "Strings", key
// "qarvo_<id>"), so a language pack translates both alike; gui::text is the
// one lookup the shell uses for every text.
#include "base/TextIds.h"

#include <QString>

#include <span>

namespace qarvo::gui {

struct ShellText {
    int id;
    const char* text;
};

// The shell's own entries, sorted by id.
std::span<const ShellText> shellTexts();

// The text of an id in the current language: the string table's, else the
// shell's, else "#<id>".
QString text(int id);
// A command prompt "status line\ntool tip": either part.
QString statusPart(int id);
QString toolTipPart(int id);

namespace shell_text {
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
inline constexpr int kProductVersion = 9136;
// Recent documents and the title of a document without a file
inline constexpr int kNoRecentFiles = 9137;
inline constexpr int kSettingsNotWritten = 9138;
// Online page: the legend of an indicator column, then the shape of each
// indicator's mark in column order.
inline constexpr int kIndicatorLegend = 9310;
inline constexpr int kIndicatorShapeFirst = 9311;
} // namespace shell_text

} // namespace qarvo::gui
