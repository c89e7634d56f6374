#include "communicator/TaviDefaultsFile.h"

#include "base/AtomicFile.h"
#include "base/TextIds.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

namespace qarvo {

using namespace tavi;

namespace {

// How one item of a line is written and read.
enum class Kind {
    Chars,     // raw bytes, written and read as they are
    Zero,      // written as "0"; read as a raw byte (so it loads as 0x30)
    ZeroHex16, // written as "0"; read as a 16-bit hexadecimal number
    ZeroDec16, // written as "0"; read as a 16-bit decimal number
    Hex16,
    Dec16,
    Hex32,     // an IPv4 field in its in-memory form
    Address,   // a server address: Hex32 of its 4 bytes or text, as its flags say
    Text,
};

struct Item {
    Kind kind;
    std::size_t offset;
    std::size_t width = 1;  // Chars: byte count; Text and Address: field width
};

using Line = std::vector<Item>;

constexpr char kSeparator = '\t';
constexpr std::string_view kLineEnd = "\r\n";
constexpr char kZero = '0';
constexpr char kEmptyText = '\0';

Item word(Kind kind, std::size_t offset)
{
    return {kind, offset, 2};
}

Item server(Kind kind, Server s, std::size_t ServerLayout::*field)
{
    return {kind, TaviOptions::layout(s).*field, kind == Kind::Address ? kServerAddressWidth : 2};
}

std::vector<Line> serverLines(Server s)
{
    return {
        {server(Kind::Hex16, s, &ServerLayout::flags)},
        {server(Kind::Dec16, s, &ServerLayout::port)},
        {server(Kind::Address, s, &ServerLayout::address)},
        {server(Kind::Dec16, s, &ServerLayout::keepAlive)},
    };
}

// The 54 lines in file order.
std::vector<Line> fileLines()
{
    std::vector<Line> lines{
        {{Kind::Chars, offset::kPassword, kPasswordLength}},
        {word(Kind::Hex16, offset::kAccount)},
        {{Kind::Chars, offset::kGeneralFlags}},
        {{Kind::Zero, offset::kReserved7}},
        {{Kind::Zero, offset::kReserved7 + 1}},
        {{Kind::Zero, offset::kReserved7 + 2}},
        {word(Kind::Hex16, offset::kNetworkFlags)},
        {word(Kind::ZeroHex16, offset::kReserved12)},
        {word(Kind::Dec16, offset::kPort)},
    };
    for (std::size_t i = 0; i < kIpv4Count; ++i)
        lines.push_back({{Kind::Hex32, TaviOptions::ipv4Offset(static_cast<Ipv4Field>(i)), 4}});
    for (std::size_t s = 0; s < kServerCount; ++s) {
        const auto more = serverLines(static_cast<Server>(s));
        lines.insert(lines.end(), more.begin(), more.end());
    }
    lines.push_back({{Kind::Text, offset::kUpdateHost, kUpdateHostWidth}});
    lines.push_back({word(Kind::Dec16, offset::kUpdatePort)});
    for (std::size_t at = offset::kSettingsUser; at <= offset::kTamperEvent; at += 2)
        lines.push_back({word(Kind::Dec16, at)});
    lines.push_back({word(Kind::ZeroDec16, offset::kReserved162)});
    Line pgmEvents, pgmTimes;
    for (std::size_t pgm = 0; pgm < kPgmCount; ++pgm) {
        pgmEvents.push_back(word(Kind::Dec16, TaviOptions::pgmEventOffset(pgm)));
        pgmTimes.push_back(word(Kind::Dec16, TaviOptions::pgmTimeOffset(pgm)));
    }
    lines.push_back(pgmEvents);
    lines.push_back(pgmTimes);
    lines.push_back({word(Kind::Dec16, offset::kGprsFlags)});
    lines.push_back({{Kind::Chars, kServers[0].gprsKeepAlive}, {Kind::Chars, kServers[1].gprsKeepAlive}});
    for (const TextLayout& text : kSimTexts)
        lines.push_back({{Kind::Text, text.offset, text.width}});
    for (std::size_t at = offset::kGprsEventFirst; at <= offset::kReserved326; at += 2)
        lines.push_back({word(Kind::Dec16, at)});
    return lines;
}

const std::vector<Line>& lines()
{
    static const std::vector<Line> table = fileLines();
    return table;
}

// Which server an address item belongs to.
Server serverOfAddress(std::size_t offset)
{
    return offset == kServers[0].address ? Server::Primary : Server::Secondary;
}

std::string number(const char* pattern, unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A text as one line: up to its 0 byte, and never past a line break (which
// only a record read from the communicator could hold). An empty text is
// written as one 0 byte so that the line holds an item.
std::string textItem(std::string text)
{
    text.erase(std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
    return text.empty() ? std::string(1, kEmptyText) : text;
}

std::string formatItem(const TaviOptions& record, const Item& item)
{
    switch (item.kind) {
    case Kind::Chars:
        return std::string(record.bytes.begin() + static_cast<std::ptrdiff_t>(item.offset),
                           record.bytes.begin() + static_cast<std::ptrdiff_t>(item.offset + item.width));
    case Kind::Zero:
    case Kind::ZeroHex16:
    case Kind::ZeroDec16:
        return std::string(1, kZero);
    case Kind::Hex16:
        return number("%lx", record.u16(item.offset));
    case Kind::Dec16:
        return number("%lu", record.u16(item.offset));
    case Kind::Hex32:
        return number("%lx", record.u32(item.offset));
    case Kind::Address:
        if (record.serverAddressIsIpv4(serverOfAddress(item.offset)))
            return number("%lx", record.u32(item.offset));
        return textItem(record.text(item.offset, item.width));
    case Kind::Text:
        return textItem(record.text(item.offset, item.width));
    }
    return {};
}

// Reads the items of a file line by line.
class Reader {
public:
    explicit Reader(std::string_view content) : rest_(content) {}

    // Raw bytes at the reader's place.
    std::optional<std::string_view> chars(std::size_t count)
    {
        if (rest_.size() < count)
            return std::nullopt;
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }

    // One separator byte between two raw items of a line.
    bool separator() { return chars(1).has_value(); }

    // A number after white space within the line; it must end at white
    // space or at the end of the file, and fit max.
    std::optional<unsigned long> number(int base, unsigned long max)
    {
        skipBlanks();
        std::size_t length = 0;
        unsigned long value = 0;
        while (length < rest_.size()) {
            const int digit = digitValue(rest_[length], base);
            if (digit < 0)
                break;
            value = value * static_cast<unsigned long>(base) + static_cast<unsigned long>(digit);
            if (value > max)
                return std::nullopt;
            ++length;
        }
        if (length == 0 || (length < rest_.size() && !isBlankOrLineEnd(rest_[length])))
            return std::nullopt;
        rest_.remove_prefix(length);
        return value;
    }

    // The rest of the line up to a 0 byte or a line break. A CR ends the
    // text wherever it stands, as a save never writes one inside a text: a
    // text read with it would lose its tail at the next save.
    std::string_view text()
    {
        const std::string_view line = rest_.substr(0, rest_.find('\n'));
        rest_.remove_prefix(line.size());
        return line.substr(0, line.find_first_of(std::string_view("\r\0", 2)));
    }

    // Past the end of the current line.
    void nextLine()
    {
        const auto end = rest_.find('\n');
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    }

private:
    static bool isBlankOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    static int digitValue(char c, int base)
    {
        int value = -1;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'a' && c <= 'f')
            value = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            value = c - 'A' + 10;
        return value < base ? value : -1;
    }

    void skipBlanks()
    {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t' || rest_.front() == '\r'))
            rest_.remove_prefix(1);
    }

    std::string_view rest_;
};

constexpr unsigned long kMaxWord = 0xFFFF;
constexpr unsigned long kMaxLong = 0xFFFFFFFF;

bool readItem(Reader& reader, const Item& item, TaviOptions& record)
{
    std::optional<unsigned long> value;
    switch (item.kind) {
    case Kind::Chars:
    case Kind::Zero: {
        const auto taken = reader.chars(item.width);
        if (!taken)
            return false;
        std::copy(taken->begin(), taken->end(), record.bytes.begin() + static_cast<std::ptrdiff_t>(item.offset));
        return true;
    }
    case Kind::Hex16:
    case Kind::ZeroHex16:
        value = reader.number(16, kMaxWord);
        break;
    case Kind::Dec16:
    case Kind::ZeroDec16:
        value = reader.number(10, kMaxWord);
        break;
    case Kind::Hex32:
        if ((value = reader.number(16, kMaxLong)))
            record.setU32(item.offset, static_cast<std::uint32_t>(*value));
        return value.has_value();
    case Kind::Address:
        // The flags of this server were read just before.
        if (record.serverAddressIsIpv4(serverOfAddress(item.offset))) {
            if ((value = reader.number(16, kMaxLong)))
                record.setU32(item.offset, static_cast<std::uint32_t>(*value));
            return value.has_value();
        }
        [[fallthrough]];
    case Kind::Text: {
        // The loaded text and a 0 byte; the bytes behind it stay.
        const std::string_view text = reader.text().substr(0, item.width - 1);
        std::copy(text.begin(), text.end(), record.bytes.begin() + static_cast<std::ptrdiff_t>(item.offset));
        record.bytes[item.offset + text.size()] = 0;
        return true;
    }
    }
    if (value)
        record.setU16(item.offset, static_cast<std::uint16_t>(*value));
    return value.has_value();
}

bool readLine(Reader& reader, const Line& line, TaviOptions& record)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool raw = line[i].kind == Kind::Chars || line[i].kind == Kind::Zero;
        if (i > 0 && raw && !reader.separator())
            return false;
        if (!readItem(reader, line[i], record))
            return false;
    }
    reader.nextLine();
    return true;
}

} // namespace

TaviDefaultsFile::TaviDefaultsFile(const std::filesystem::path& directory) : TaviDefaultsFile(directory, directory) {}

TaviDefaultsFile::TaviDefaultsFile(const std::filesystem::path& userDirectory,
                                   const std::filesystem::path& sharedDirectory)
    : path_(userDirectory / kFileName), shipped_(sharedDirectory / kFileName)
{
}

std::filesystem::path TaviDefaultsFile::sourcePath() const
{
    std::error_code error;
    return std::filesystem::exists(path_, error) ? path_ : shipped_;
}

std::string TaviDefaultsFile::format(const TaviOptions& record)
{
    std::string content;
    for (const Line& line : lines()) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                content += kSeparator;
            content += formatItem(record, line[i]);
        }
        content += kLineEnd;
    }
    return content;
}

std::optional<TaviOptions> TaviDefaultsFile::parse(std::string_view content, const TaviOptions& current)
{
    TaviOptions record = current;
    Reader reader(content);
    for (const Line& line : lines()) {
        if (!readLine(reader, line, record))
            return std::nullopt;
    }
    return record;
}

TaviOptions TaviDefaultsFile::load(const TaviOptions& current) const
{
    std::ifstream in(sourcePath(), std::ios::binary);
    if (!in)
        return TaviOptions::builtInDefaults();
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return TaviOptions::builtInDefaults();
    return parse(content, current).value_or(TaviOptions::builtInDefaults());
}

TaviDefaultsFile::SaveResult TaviDefaultsFile::save(const TaviOptions& record) const
{
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        // The first save of the shipped defaults makes the user's copy.
        if (path_ == shipped_ || !std::filesystem::is_regular_file(shipped_, error))
            return {text_id::kDefaultsFileMissing, {}};
        std::filesystem::create_directories(path_.parent_path(), error);
    } else if (!std::filesystem::is_regular_file(path_, error)) {
        return {text_id::kDefaultsFileMissing, {}};
    } else if (std::FILE* existing = std::fopen(path_.c_str(), "r+b")) {
        std::fclose(existing); // only a user's copy that may be written is replaced
    } else {
        return {text_id::kDefaultsNotWritten, std::strerror(errno)};
    }
    if (std::string why = writeFileAtomically(path_, format(record)); !why.empty())
        return {text_id::kDefaultsNotWritten, std::move(why)};
    return {};
}

} // namespace qarvo
