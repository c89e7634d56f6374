#pragma once
// The widgets that show a programming form's values, by control id, and
// how a refused value is pointed out: the focus goes to its widget (on a
// grid, to its cell), the tab and the scrolled area holding it come into
// view, and an edit box has its text selected for retyping.
#include "panel/FormError.h"

#include <map>

class QWidget;

namespace qarvo::gui {

class FormControls {
public:
    void add(int id, QWidget* widget) { widgets_[id] = widget; }
    bool contains(int id) const { return widgets_.contains(id); }
    // The widget of a control id; nullptr for none.
    QWidget* find(int id) const;
    QWidget* at(int id) const { return widgets_.at(id); }

    auto begin() const { return widgets_.begin(); }
    auto end() const { return widgets_.end(); }

    // Focuses the place's widget and brings it into view inside owner (the
    // page or dialog: tabs and scroll areas above it are left alone).
    // Returns the widget focused, nullptr when the id is not here.
    QWidget* focus(const panel::FormPlace& place, const QWidget* owner) const;

private:
    std::map<int, QWidget*> widgets_;
};

} // namespace qarvo::gui
