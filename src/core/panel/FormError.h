#pragma once
// Why storing the programming forms into the image stopped: the message (a
// string table id, with its number where the text takes one) and where the
// offending value sits, so the page can put the focus there.
#include <optional>

namespace qarvo::panel {

struct FormError {
    int textId = 0;
    std::optional<int> number;
    int control = 0; // the control id of the edit or grid holding the value
    int row = -1;    // grid cells only: the row and column of the cell
    int column = -1;

    friend bool operator==(const FormError&, const FormError&) = default;
};

// Where a value sits on its page: a control, or a cell of a grid control.
struct FormPlace {
    int control = 0;
    int row = -1;
    int column = -1;
};

} // namespace qarvo::panel
