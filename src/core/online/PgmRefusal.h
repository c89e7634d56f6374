#pragma once
// The refusal shown when the chosen PGM output is of a type that cannot be
// switched from the computer.
#include <QString>

namespace qarvo::online {

// The text of message 5072 naming the chosen PGM (1-based) instead of PGM1.
QString pgmNotSwitchableText(int pgmNumber);

} // namespace qarvo::online
