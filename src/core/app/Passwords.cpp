#include "app/Passwords.h"

#include "base/TextIds.h"

#include <algorithm>

namespace qarvo::app::passwords {
namespace {

constexpr int kMasterPage = 1;
constexpr int kInstallerPage = 2;

} // namespace

int messageFor(Check check)
{
    return check == Check::WrongLength ? text_id::kPasswordSixDigits : text_id::kInvalidPassword;
}

bool loginRequired(const PagePasswords& passwords)
{
    return std::none_of(passwords.begin(), passwords.end(), [](const QString& p) { return p.isEmpty(); });
}

LoginCheck checkLogin(const QString& entered, const PagePasswords& passwords)
{
    if (entered.size() != kLength)
        return {Check::WrongLength, -1};
    const auto it = std::find(passwords.begin(), passwords.end(), entered);
    if (it == passwords.end())
        return {Check::Invalid, -1};
    return {Check::Accepted, static_cast<int>(it - passwords.begin())};
}

LoginAttempts::Outcome LoginAttempts::submit(const QString& entered)
{
    const LoginCheck result = checkLogin(entered, passwords_);
    if (result.check == Check::Accepted) {
        message_ = 0;
        loginText_ = entered;
        return Outcome::Accepted;
    }
    message_ = messageFor(result.check);
    ++attempts_;
    return attempts_ < kLoginAttempts ? Outcome::TryAgain : Outcome::Failed;
}

int firstPage(const PagePasswords& passwords, const QString& loginText)
{
    for (int page = 0; page < kPageCount; ++page) {
        const QString& p = passwords[static_cast<std::size_t>(page)];
        if (p.isEmpty() || p == loginText)
            return page;
    }
    return 0;
}

Check checkEntry(const QString& stored, const QString& entered)
{
    if (stored.isEmpty())
        return Check::Accepted;
    if (entered.size() != kLength)
        return Check::WrongLength;
    return entered == stored ? Check::Accepted : Check::Invalid;
}

std::optional<int> firstInvalidField(const PagePasswords& fields)
{
    for (int page = 0; page < kPageCount; ++page) {
        const QString& f = fields[static_cast<std::size_t>(page)];
        if (!f.isEmpty() && f.size() != kLength)
            return page;
    }
    return std::nullopt;
}

std::optional<int> hiddenFocusRefusal(int page, const PagePasswords& passwords)
{
    if (page == kMasterPage && !passwords[kMasterPage].isEmpty())
        return text_id::kErrorInMasterPage;
    if (page == kInstallerPage && !passwords[kInstallerPage].isEmpty())
        return text_id::kErrorInInstallerPage;
    return std::nullopt;
}

} // namespace qarvo::app::passwords
