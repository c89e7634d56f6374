#pragma once
// The built-in English string table: every user-visible text of the system,
// keyed by the number the panel's programs use for it.
#include <span>

namespace qarvo::strings {

struct StringEntry {
    int id;
    const char* text; // UTF-8
};

// All entries, sorted by ascending id, each id once.
std::span<const StringEntry> stringTable();

// The English text of an id by binary search, or nullptr when there is none.
const char* findEnglish(int id);

} // namespace qarvo::strings
