#pragma once
// A value the programming forms refused, in the user's words: the message
// of the string table with its number filled in, after the setting's name.
#include "panel/NamedSettings.h"

#include <string>

namespace qarvo::cli {

std::string formErrorText(const panel::FormError& error);

// "NAME: message" for a refused value of the forms of a document of the model.
std::string namedFormError(const panel::ProgrammingForms& forms, std::uint8_t typeCode, const panel::FormError& error);

} // namespace qarvo::cli
