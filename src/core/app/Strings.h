#pragma once
// The string table: every user-visible text of the system, addressed by its
// number. English texts are built in; a loaded language pack replaces them.
#include <QString>

#include <initializer_list>
#include <string>

namespace qarvo::strings {

// The built-in English text of an id, or nullptr when the table has none.
const char* english(int id);

// The text in the current language (the English text when no pack is loaded
// or the pack lacks the id; "#<id>" when the table has no such id).
QString text(int id);
std::string utf8(int id);

// The text with its one printf-style number conversion (%d, %02X, …) filled in.
QString format(int id, long number);

// The text with each of its number conversions filled in, in order. A text
// whose conversions are not exactly that many integer ones comes back as it is.
QString formatNumbers(int id, std::initializer_list<long> numbers);

// The text with each "%s" filled with the next of texts (file names, command
// lines: taken as they are, a '%' in them is no conversion), and its number
// conversions with numbers, in order.
QString formatTexts(int id, std::initializer_list<QString> texts, std::initializer_list<long> numbers = {});

// The source key under which a language pack translates an id ("qarvo_<id>",
// context "Strings").
inline constexpr const char* kTranslationContext = "Strings";
std::string translationKey(int id);

} // namespace qarvo::strings
