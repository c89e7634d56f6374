#pragma once
// Every value the programming forms hold, by a stable dotted name: the
// master page's fields and user grid, the installer page's fields, zone, PGM,
// keypad and codes grids, the digital communicator settings and every option
// bit. The table is built from the forms themselves, so each zone, user, PGM
// and report row of the document's model gets its fields and no other.
// The settings, show, set, check and diff commands all read it.
#include "panel/ProgrammingForms.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::cli {

enum class FieldKind { Text, Number, Check, List, Time, Code, Hex };
std::string_view kindName(FieldKind kind);

struct FormField {
    std::string name;  // "zone.03.type", "user.07.code"
    FieldKind kind;
    int labelId;       // string table id of the control or grid showing it
    int min = 0;       // lists: the item indexes; -1 for "none selected"
    int max = 0;
    std::function<std::string(const panel::ProgrammingForms&)> get;
    // False when the text is not a value of this kind; the forms' own rules
    // judge it further when the forms are stored.
    std::function<bool(panel::ProgrammingForms&, const std::string&)> set;
    int row = -1;      // grid cells: where the page shows the value, so an
    int column = -1;   // error the forms report can be named
};

// The fields of forms shown from a document; the rows follow the forms'.
std::vector<FormField> formFields(const panel::ProgrammingForms& forms, std::uint8_t typeCode);

// The field an error of the forms points at, or nullptr.
const FormField* fieldAt(const std::vector<FormField>& fields, const panel::FormError& error);

const FormField* findField(const std::vector<FormField>& fields, std::string_view name);

// The message of a refused value in the user's words, its number filled in.
std::string formErrorText(const panel::FormError& error);
// "NAME: message" for a refused value of the forms of a document of the model.
std::string namedFormError(const panel::ProgrammingForms& forms, std::uint8_t typeCode, const panel::FormError& error);

} // namespace qarvo::cli
