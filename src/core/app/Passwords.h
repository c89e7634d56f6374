#pragma once
// The rules of the page passwords: the start-up login with its three
// attempts, the first page a login opens, the check before a page switch,
// the change-passwords check and the focus rule for hidden pages.
#include "app/UserSettings.h"

#include <optional>

namespace qarvo::app::passwords {

inline constexpr int kLength = 6;
inline constexpr int kLoginAttempts = 3;

enum class Check { Accepted, WrongLength, Invalid };

// The message a refused entry shows: 49 for the length, 50 for a wrong one.
int messageFor(Check check);

// A login asks only when every page has a password.
bool loginRequired(const PagePasswords& passwords);

// One login entry: the first page whose password equals it (in page order).
struct LoginCheck {
    Check check = Check::Invalid;
    int page = -1;
};
LoginCheck checkLogin(const QString& entered, const PagePasswords& passwords);

// The start-up login's attempts: at most three entries that fail.
class LoginAttempts {
public:
    enum class Outcome { Accepted, TryAgain, Failed };
    explicit LoginAttempts(const PagePasswords& passwords) : passwords_(passwords) {}

    // An OK with this text. A refused entry leaves its message in message().
    Outcome submit(const QString& entered);
    int attempts() const { return attempts_; }
    int message() const { return message_; }
    const QString& loginText() const { return loginText_; }

private:
    PagePasswords passwords_;
    int attempts_ = 0;
    int message_ = 0;
    QString loginText_;
};

// The page shown after the login: the first whose password is empty or
// equals the login text; the first page when none does.
int firstPage(const PagePasswords& passwords, const QString& loginText);

// The page switch check of one entered text against the page's password.
Check checkEntry(const QString& stored, const QString& entered);

// Change passwords: the first field that is neither empty nor six
// characters long, or nullopt when all may be stored.
std::optional<int> firstInvalidField(const PagePasswords& fields);

// Keyboard focus moved onto a page that is not shown: the text the main
// window shows instead of switching (275 master, 276 installer, when that
// page has a password), or nullopt when the page may be shown.
std::optional<int> hiddenFocusRefusal(int page, const PagePasswords& passwords);

} // namespace qarvo::app::passwords
