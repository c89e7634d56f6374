#pragma once
// The connection settings record and its file "PanelRPS.cfg": twelve text
// lines in the program's directory.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace qarvo::link {

inline constexpr const char* kSettingsFileName = "PanelRPS.cfg";
inline constexpr std::size_t kPasswordLength = 4;
inline constexpr std::uint32_t kBroadcastAddress = 0xFFFFFFFF;
// No communicator address given: nothing is sent until one is.
inline constexpr std::uint32_t kNoAddress = 0;

struct ConnectionSettings {
    std::int32_t ownPort = 0;
    std::string callbackServer;
    std::int32_t callbackPort = 50001;
    // No update server until one is configured: an update never goes to a
    // host nobody chose.
    std::string updateServer;
    std::int32_t updatePort = 51068;
    std::uint16_t communicatorPort = 51069;
    std::uint32_t communicatorAddress = kNoAddress;
    std::string password = "5307";
    std::uint16_t account = 1;
    bool useDefaultIds = true;
    std::uint16_t panelId = 0;
    std::uint16_t pcId = 0;

    // The IDs in force for a session: 0000/0000 when the default IDs are used.
    std::uint16_t effectivePanelId() const { return useDefaultIds ? 0 : panelId; }
    std::uint16_t effectivePcId() const { return useDefaultIds ? 0 : pcId; }

    bool operator==(const ConnectionSettings&) const = default;
};

// A host name as a communicator address may be given: labels of letters,
// digits and inner hyphens, separated by dots, 253 characters at most, and
// not all numbers (that is a malformed dotted address). Judged from the text
// alone, so a name that is not one is refused without asking a resolver.
bool isHostName(const std::string& text);

enum class SettingsLoad { Loaded, Missing };

// Reads the file; a missing or unreadable file leaves the record as it was
// and returns Missing (the caller shows the warning). A number that does not
// fit its field (a port above 65535, an account above ffff) is never cut to
// another value: the field takes its default and the line's number (1-12)
// goes into refusedLines, for the caller's warning.
SettingsLoad loadSettings(const std::filesystem::path& file, ConnectionSettings& settings,
                          std::vector<int>* refusedLines = nullptr);
// As loadSettings, from the file's content.
SettingsLoad readSettings(std::istream& in, ConnectionSettings& settings, std::vector<int>* refusedLines = nullptr);
// Writes the twelve lines; false when the file cannot be written (the
// previous file stays as it was).
bool saveSettings(const std::filesystem::path& file, const ConnectionSettings& settings);
std::string formatSettings(const ConnectionSettings& settings);

} // namespace qarvo::link
