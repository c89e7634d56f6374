#include "sites/SharedBook.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

#include <algorithm>
#include <charconv>

namespace qarvo::sites {

namespace {

constexpr const char* kDriver = "QPSQL";
constexpr std::string_view kSchemes[] = {"postgresql://", "postgres://"};
constexpr std::string_view kHostParameter = "host=";
constexpr int kConnectSeconds = 10;

std::string decoded(std::string_view text)
{
    return QUrl::fromPercentEncoding(QByteArray(text.data(), qsizetype(text.size()))).toStdString();
}

// HOST, HOST:PORT, [V6]:PORT or empty.
bool readHostPort(std::string_view text, SharedBookAddress& address)
{
    const auto bracket = text.rfind(']');
    const auto colon = text.rfind(':');
    if (colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket)) {
        const std::string_view digits = text.substr(colon + 1);
        std::uint16_t port = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (error != std::errc() || end != digits.data() + digits.size() || port == 0)
            return false;
        address.port = port;
        text = text.substr(0, colon);
    }
    if (text.starts_with('[') && text.ends_with(']'))
        text = text.substr(1, text.size() - 2);
    address.host = decoded(text);
    return true;
}

} // namespace

std::optional<SharedBookAddress> parseSharedBook(std::string_view address, std::string& why)
{
    const auto scheme = std::ranges::find_if(kSchemes, [&](std::string_view s) { return address.starts_with(s); });
    why = "the book's address " + std::string(address) + " is not postgresql://USER@HOST:PORT/DBNAME";
    if (scheme == std::end(kSchemes))
        return std::nullopt;
    std::string_view rest = address.substr(scheme->size());
    const auto slash = rest.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    std::string_view authority = rest.substr(0, slash);
    std::string_view path = rest.substr(slash + 1);
    std::string_view query;
    if (const auto mark = path.find('?'); mark != std::string_view::npos)
        query = path.substr(mark + 1), path = path.substr(0, mark);
    SharedBookAddress book;
    if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
        const std::string_view user = authority.substr(0, at);
        if (user.find(':') != std::string_view::npos) {
            why = "the book's address holds a password: give it in PGPASSWORD or ~/.pgpass instead";
            return std::nullopt;
        }
        book.user = decoded(user);
        authority = authority.substr(at + 1);
    }
    if (!readHostPort(authority, book) || path.empty())
        return std::nullopt;
    book.database = decoded(path);
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view parameter = query.substr(0, amp);
        if (!parameter.starts_with(kHostParameter)) {
            why = "the book's address takes no parameter but host=FOLDER (" + std::string(parameter) + ")";
            return std::nullopt;
        }
        book.host = decoded(parameter.substr(kHostParameter.size()));
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    }
    why.clear();
    return book;
}

std::string openSharedBook(const SharedBookAddress& address, const QString& connection)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), connection);
    if (!db.isValid())
        return "a shared site book needs Qt's PostgreSQL driver (package libqt6sql6-psql), which could not be loaded";
    if (!address.host.empty())
        db.setHostName(QString::fromStdString(address.host));
    if (address.port)
        db.setPort(*address.port);
    if (!address.user.empty())
        db.setUserName(QString::fromStdString(address.user));
    db.setDatabaseName(QString::fromStdString(address.database));
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=qarvoip").arg(kConnectSeconds));
    if (!db.open())
        return db.lastError().text().trimmed().toStdString();
    return {};
}

} // namespace qarvo::sites
