#pragma once
// Where a grid's values live: the rows of a form. A grid bound to rows asks
// them for the cells of the columns they hold and writes an edit straight
// into them; it keeps only what is its own (labels, locks, lengths).
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace qarvo::gui {

class GridRows {
public:
    virtual ~GridRows() = default;

    // Whether the column's cells are the rows' values.
    virtual bool holds(int column) const = 0;

    // Text and time cells; a cell without a value reads empty and ignores a text.
    virtual QString text(int row, int column) const;
    virtual void setText(int row, int column, const QString& text);
    // List cells: the index of the column's item, -1 for none.
    virtual int item(int, int) const { return -1; }
    virtual void setItem(int, int, int) {}
    // Check cells: 0 or 1.
    virtual int check(int row, int column) const;
    virtual void setCheck(int row, int column, int state);

protected:
    // The form's text or flag behind a cell; nullptr where there is none.
    virtual std::string* textField(int, int) const { return nullptr; }
    virtual bool* flag(int, int) const { return nullptr; }
};

// A form's row by the grid's row number; nullptr where the form has none.
template <typename Row>
using RowAt = std::function<Row*(int row)>;

// The rows of a form's vector, found again at every call (a new document
// gives the form new rows).
template <typename Row>
RowAt<Row> rowsOf(std::function<std::vector<Row>*()> rows)
{
    return [rows = std::move(rows)](int row) -> Row* {
        std::vector<Row>* all = rows();
        return all && row >= 0 && static_cast<std::size_t>(row) < all->size() ? &(*all)[static_cast<std::size_t>(row)]
                                                                              : nullptr;
    };
}

} // namespace qarvo::gui
