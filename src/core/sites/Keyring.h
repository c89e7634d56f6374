#pragma once
// The system keyring (a secret service on the session bus), through
// QtKeychain. Whether one answers is probed with a short time-out: a
// machine without a desktop session has none, and the site book then keeps
// the password itself.
#include <chrono>
#include <optional>
#include <string>

namespace qarvo::sites {

inline constexpr std::chrono::milliseconds kKeyringTimeout{2000};

class Keyring {
public:
    // Whether a secret service answers within the time-out.
    static bool available(std::chrono::milliseconds timeout = kKeyringTimeout);
    // "" or why the password could not be stored.
    static std::string write(const std::string& key, const std::string& password,
                             std::chrono::milliseconds timeout = kKeyringTimeout);
    // The password, or nullopt with why.
    static std::optional<std::string> read(const std::string& key, std::string& why,
                                           std::chrono::milliseconds timeout = kKeyringTimeout);
    static void remove(const std::string& key, std::chrono::milliseconds timeout = kKeyringTimeout);
};

} // namespace qarvo::sites
