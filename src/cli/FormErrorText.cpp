#include "cli/FormErrorText.h"

#include "app/Strings.h"

namespace qarvo::cli {

std::string formErrorText(const panel::FormError& error)
{
    return (error.number ? strings::format(error.textId, *error.number) : strings::text(error.textId)).toStdString();
}

std::string namedFormError(const panel::ProgrammingForms& forms, std::uint8_t typeCode, const panel::FormError& error)
{
    return panel::errorSettingName(panel::namedSettings(forms, typeCode), error) + ": " + formErrorText(error);
}

} // namespace qarvo::cli
