#include "gui/ShellTexts.h"

#include "app/Strings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace qarvo::gui {
namespace {

constexpr auto kTable = std::to_array<ShellText>({
    {117, "\"Online status\" page:"},
    {118, "\"Master functions\" page:"},
    {119, "\"Installer functions\" page:"},
    {120, "\"Event log\" page:"},
    {121, "\"Tavi\" page:"},
    {1513, "&Connect to panel"},
    {1514, "C&allMe"},
    {1515, "&Wait for a call"},
    {1516, "A&bort communication"},
    {1517, "C&onnect to communicator"},
    {1518, "Communicator call&me"},
    {1519, "&Connection options..."},
    {1520, "&Change passwords..."},
    {1521, "Select &Language..."},
    {1523, "&New\tCtrl+N"},
    {1524, "&Open...\tCtrl+O"},
    {1525, "&Save\tCtrl+S"},
    {1526, "Save &As..."},
    {1527, "&Print...\tCtrl+P"},
    {1528, "Print Pre&view"},
    {1529, "P&rint Setup..."},
    {1530, "Recent File"},
    {1531, "E&xit"},
    {1532, "&About..."},
    {1801, "English"},
    {1802, "ENU"},
    {9100, "No language resource DLL found. English will be used"},
    {9102, "Failure to get module name"},
    {9104, "Enter password"},
    {9105, "Please enter the password to access"},
    {9106, "Show panel status\nPanel status"},
    {9107, "Show master options\nMaster options"},
    {9108, "Show installer options\nInstaller options"},
    {9109, "Show and download events log\nEvents log"},
    {9110, "Show/Download/Upload Tavi options\nTavi options"},
    {9111, "Change passwords to prevent unauthorised access"},
    {9112, "Select a language"},
    {9113, "Read Tavi options"},
    {9114, "Write Tavi options"},
    {9115, "Start updating Tavi firmware"},
    {9116, "Force direct Tavi connection by its address"},
    {9117, "Force Server to tell Tavi to connect"},
    {9118, "Wait for callback from Server\nWait for callback from Server"},
    {9119, "Abort/Stop connection\nAbort communication"},
    {9120, "IP Settings"},
    {9121, "Connect to"},
    {9122, "Callback"},
    {9123, "IP address"},
    {9124, "Broadcast"},
    {9125, "Callback Server"},
    {9126, "Own Port Number"},
    {9127, "Client"},
    {9128, "Account"},
    {9129, "Password"},
    {9130, "Use default IDs (0000, 0000)"},
    {9131, "Panel ID"},
    {9132, "PC ID"},
    {9133, "This page is not built yet."},
    {9134, "QarvoIP"},
    {9135, "Copyright (C) Qarvo"},
    {9137, "(no recent files)"},
    {9138, "The connection settings cannot be written to PanelRPS.cfg."},
    // Zone indicator images: what each of the nine says, and the legend
    // in the tool tip of an indicator column's header.
    {9300, "Not active"},
    {9301, "Active"},
    {9302, "Active (earlier report)"},
    {9303, "Partition A"},
    {9304, "Partitions A and B"},
    {9305, "Partition B"},
    {9306, "Partition A, not reported yet"},
    {9307, "Partitions A and B, not reported yet"},
    {9308, "Partition B, not reported yet"},
    {9310, "%1 (%2). Filled mark: active. A / B: the partition it is active in. "
           "Dashed outline: not reported yet in partitioned mode. Empty: not active."},
    {9311, "door ajar"},
    {9312, "hollow triangle"},
    {9313, "burst with !"},
    {9314, "triangle with !"},
    {9315, "circle with a bar"},
    {9316, "house"},
});

constexpr bool idsStrictlyAscending()
{
    return std::adjacent_find(kTable.begin(), kTable.end(), [](const ShellText& a, const ShellText& b) {
               return a.id >= b.id;
           }) == kTable.end();
}
static_assert(idsStrictlyAscending(), "shell texts must be sorted by id, each id once");

const char* findShellText(int id)
{
    const auto it = std::lower_bound(kTable.begin(), kTable.end(), id,
                                      [](const ShellText& e, int key) { return e.id < key; });
    return (it != kTable.end() && it->id == id) ? it->text : nullptr;
}

QString promptPart(int id, int part)
{
    const QStringList parts = text(id).split(u'\n');
    return part < parts.size() ? parts[part] : parts.front();
}

} // namespace

std::span<const ShellText> shellTexts() { return kTable; }

QString text(int id)
{
    if (strings::english(id))
        return strings::text(id);
    const char* english = findShellText(id);
    if (!english)
        return strings::text(id);
    const std::string key = strings::translationKey(id);
    const QString translated = QCoreApplication::translate(strings::kTranslationContext, key.c_str());
    if (translated.isEmpty() || translated == QLatin1String(key.c_str()))
        return QString::fromUtf8(english);
    return translated;
}

QString statusPart(int id) { return promptPart(id, 0); }
QString toolTipPart(int id) { return promptPart(id, 1); }

} // namespace qarvo::gui
