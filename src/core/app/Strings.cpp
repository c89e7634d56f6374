#include "app/Strings.h"

#include "app/StringTable.h"

#include <QCoreApplication>

#include <climits>
#include <cstdio>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qarvo::strings {
namespace {

// A language pack is outside data: a field width beyond this is refused
// rather than letting one text allocate without bound.
constexpr int kMaxFieldWidth = 64;

// One integer conversion of a text: where it stands and how to print it.
struct NumberConversion {
    qsizetype begin = 0; // index of its '%'
    qsizetype end = 0;   // one past its conversion letter
    QByteArray printfFormat; // '%', flags, width, precision, "ll", letter
    bool isSigned = true;
};

bool isFlag(QChar c) { return QStringLiteral("-+ #0").contains(c); }
bool isLengthModifier(QChar c) { return QStringLiteral("hlzjt").contains(c); }

// Reads the digits at pos; nullopt when the number exceeds kMaxFieldWidth.
std::optional<int> readBoundedNumber(const QString& text, qsizetype& pos, QByteArray& printfFormat)
{
    int value = 0;
    while (pos < text.size() && text[pos].isDigit()) {
        value = value * 10 + text[pos].digitValue();
        if (value > kMaxFieldWidth)
            return std::nullopt;
        printfFormat += char(text[pos].unicode());
        ++pos;
    }
    return value;
}

// Parses the conversion that starts with the '%' at begin; nullopt unless it
// is a well-formed integer conversion.
std::optional<NumberConversion> parseConversion(const QString& text, qsizetype begin)
{
    NumberConversion conv;
    conv.begin = begin;
    conv.printfFormat = "%";
    qsizetype pos = begin + 1;
    while (pos < text.size() && isFlag(text[pos]))
        conv.printfFormat += char(text[pos++].unicode());
    if (!readBoundedNumber(text, pos, conv.printfFormat))
        return std::nullopt;
    if (pos < text.size() && text[pos] == u'.') {
        conv.printfFormat += '.';
        ++pos;
        if (!readBoundedNumber(text, pos, conv.printfFormat))
            return std::nullopt;
    }
    while (pos < text.size() && isLengthModifier(text[pos]))
        ++pos; // the number is always passed as a long long
    if (pos >= text.size())
        return std::nullopt;
    const char letter = char(text[pos].unicode());
    if (std::string_view("diuxXo").find(letter) == std::string_view::npos)
        return std::nullopt;
    conv.isSigned = letter == 'd' || letter == 'i';
    conv.printfFormat += "ll";
    conv.printfFormat += letter;
    conv.end = pos + 1;
    return conv;
}

// All conversions of a text; nullopt when any of them is not an integer
// conversion (a "%s" must never receive a number) or is malformed.
std::optional<std::vector<NumberConversion>> scanConversions(const QString& text)
{
    std::vector<NumberConversion> found;
    for (qsizetype pos = text.indexOf(u'%'); pos >= 0; pos = text.indexOf(u'%', pos)) {
        if (pos + 1 < text.size() && text[pos + 1] == u'%') {
            pos += 2;
            continue;
        }
        const auto conv = parseConversion(text, pos);
        if (!conv)
            return std::nullopt;
        found.push_back(*conv);
        pos = conv->end;
    }
    return found;
}

QString unescapePercent(QStringView literal)
{
    return literal.toString().replace(QStringLiteral("%%"), QStringLiteral("%"));
}

// The C library's printf, whose alternative forms ("%#08X": "0X00001F") the
// texts are written for.
template <class Number>
QString printOne(const QByteArray& format, Number number)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format.constData(), number);
    return QString::fromLatin1(buffer);
}

QString formatOne(const NumberConversion& conv, long number)
{
    if (conv.isSigned)
        return printOne(conv.printfFormat, static_cast<long long>(number));
    // A negative value prints as the panel's 32-bit word would.
    const unsigned long long value = (number < 0 && number >= INT32_MIN)
        ? static_cast<std::uint32_t>(number)
        : static_cast<unsigned long long>(number);
    return printOne(conv.printfFormat, value);
}

QString fillNumbers(const QString& text, std::span<const long> numbers)
{
    const auto conversions = scanConversions(text);
    if (!conversions || conversions->size() != numbers.size() || numbers.empty())
        return text;
    QString result;
    qsizetype literalStart = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const NumberConversion& conv = (*conversions)[i];
        result += unescapePercent(QStringView(text).sliced(literalStart, conv.begin - literalStart));
        result += formatOne(conv, numbers[i]);
        literalStart = conv.end;
    }
    result += unescapePercent(QStringView(text).sliced(literalStart));
    return result;
}

} // namespace

const char* english(int id)
{
    return findEnglish(id);
}

std::string translationKey(int id)
{
    return "qarvo_" + std::to_string(id);
}

QString text(int id)
{
    const char* englishText = findEnglish(id);
    if (!englishText)
        return QStringLiteral("#%1").arg(id);
    const std::string key = translationKey(id);
    const QString translated = QCoreApplication::translate(kTranslationContext, key.c_str());
    if (translated.isEmpty() || translated == QLatin1String(key.c_str()))
        return QString::fromUtf8(englishText);
    return translated;
}

std::string utf8(int id)
{
    return text(id).toStdString();
}

QString format(int id, long number)
{
    const long numbers[] = {number};
    return fillNumbers(text(id), numbers);
}

QString formatNumbers(int id, std::initializer_list<long> numbers)
{
    return fillNumbers(text(id), std::span<const long>(numbers.begin(), numbers.size()));
}

QString formatTexts(int id, std::initializer_list<QString> texts, std::initializer_list<long> numbers)
{
    // The texts go in last, in place of a character no text table uses, so
    // that nothing in them is read as a conversion.
    constexpr QChar kPlaceholder(0xE000);
    QString pattern = text(id);
    pattern.replace(QLatin1String("%s"), QString(kPlaceholder));
    if (numbers.size() > 0)
        pattern = fillNumbers(pattern, std::span<const long>(numbers.begin(), numbers.size()));
    QString result;
    auto next = texts.begin();
    for (const QChar ch : pattern) {
        if (ch == kPlaceholder)
            result += next != texts.end() ? *next++ : QString();
        else
            result += ch;
    }
    return result;
}

} // namespace qarvo::strings
