#pragma once
// Why storing the programming forms into the image stopped (see
// base/FormError.h), and where a value sits on its page.
#include "base/FormError.h"

namespace qarvo::panel {

using qarvo::FormError;

// Where a value sits on its page: a control, or a cell of a grid control.
struct FormPlace {
    int control = 0;
    int row = -1;
    int column = -1;
};

} // namespace qarvo::panel
