#pragma once
// Why storing the programming forms into the image stopped: the message (a
// string table id, with its number where the text takes one) and where the
// offending value sits, so the page can put the focus there. Plain data, so
// a notice can carry it to a front-end.
#include <optional>

namespace qarvo {

struct FormError {
    int textId = 0;
    std::optional<int> number;
    int control = 0; // the control id of the edit or grid holding the value
    int row = -1;    // grid cells only: the row and column of the cell
    int column = -1;

    friend bool operator==(const FormError&, const FormError&) = default;
};

} // namespace qarvo
