#pragma once
// The programming grids' cells in the forms' rows: each class reads and
// writes one kind of row in place, so that an edit in a grid is in the form
// at once and a form filled from a new image shows as it is. The columns
// are the forms' own (code_column, zone_column, pgm_column, keypad_column,
// report_column).
#include "gui/models/GridRows.h"
#include "gui/models/PgmTimeCells.h"
#include "panel/InstallerForm.h"
#include "panel/MasterForm.h"
#include "panel/ReportForm.h"

#include <vector>

namespace qarvo::gui {

// Code rows: the code, the name where the grid shows names, the attributes
// A to K and the P columns.
class CodeCells : public GridRows {
public:
    CodeCells(RowAt<panel::CodeRow> rows, bool names);
    bool holds(int column) const override;

protected:
    std::string* textField(int row, int column) const override;
    bool* flag(int row, int column) const override;

private:
    RowAt<panel::CodeRow> rows_;
    bool names_;
};

// Zone rows: the type, the name and the attribute columns of the model.
class ZoneCells : public GridRows {
public:
    explicit ZoneCells(RowAt<panel::ZoneRow> rows);
    // The attribute of each column from zone_column::kFirstAttribute on.
    void setAttributeColumns(std::vector<panel::ZoneAttribute> columns) { attributes_ = std::move(columns); }

    bool holds(int column) const override;
    int item(int row, int column) const override;
    void setItem(int row, int column, int item) override;

protected:
    std::string* textField(int row, int column) const override;
    bool* flag(int row, int column) const override;

private:
    RowAt<panel::ZoneRow> rows_;
    std::vector<panel::ZoneAttribute> attributes_;
};

// The installer's PGM rows, with the master form's on/off times of the same
// PGM in the time columns.
class PgmCells : public GridRows {
public:
    PgmCells(RowAt<panel::PgmRow> rows, RowAt<panel::PgmTimesRow> times);

    bool holds(int column) const override;
    QString text(int row, int column) const override;
    void setText(int row, int column, const QString& text) override;
    int item(int row, int column) const override;
    void setItem(int row, int column, int item) override;

protected:
    std::string* textField(int row, int column) const override;
    bool* flag(int row, int column) const override;

private:
    RowAt<panel::PgmRow> rows_;
    PgmTimeCells times_;
};

// Keypad rows: their check columns.
class KeypadCells : public GridRows {
public:
    explicit KeypadCells(RowAt<panel::KeypadRow> rows) : rows_(std::move(rows)) {}
    bool holds(int column) const override;

protected:
    bool* flag(int row, int column) const override;

private:
    RowAt<panel::KeypadRow> rows_;
};

// Report code rows: the Contact ID and 4x2 codes.
class ReportCodeCells : public GridRows {
public:
    explicit ReportCodeCells(RowAt<panel::ReportCodeRow> rows) : rows_(std::move(rows)) {}
    bool holds(int column) const override;

protected:
    std::string* textField(int row, int column) const override;

private:
    RowAt<panel::ReportCodeRow> rows_;
};

} // namespace qarvo::gui
