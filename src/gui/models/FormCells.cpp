#include "gui/models/FormCells.h"

#include <algorithm>

namespace qarvo::gui {

namespace cc = panel::code_column;
namespace zc = panel::zone_column;
namespace pc = panel::pgm_column;

// ------------------------------------------------------------ codes

CodeCells::CodeCells(RowAt<panel::CodeRow> rows, bool names) : rows_(std::move(rows)), names_(names) {}

bool CodeCells::holds(int column) const
{
    return column == cc::kCode || (names_ && column == cc::kName) ||
           (column >= cc::firstAttribute(names_) && column < cc::firstPgm(names_) + panel::kPgmOutputs);
}

std::string* CodeCells::textField(int row, int column) const
{
    panel::CodeRow* code = rows_(row);
    if (!code)
        return nullptr;
    if (column == cc::kCode)
        return &code->code;
    return names_ && column == cc::kName ? &code->name : nullptr;
}

bool* CodeCells::flag(int row, int column) const
{
    panel::CodeRow* code = rows_(row);
    if (!code || !holds(column) || column < cc::firstAttribute(names_))
        return nullptr;
    if (column >= cc::firstPgm(names_))
        return &code->pgms[std::size_t(column - cc::firstPgm(names_))];
    return &code->attributes[std::size_t(column - cc::firstAttribute(names_))];
}

// ------------------------------------------------------------ zones

ZoneCells::ZoneCells(RowAt<panel::ZoneRow> rows) : rows_(std::move(rows)) {}

bool ZoneCells::holds(int column) const
{
    return column == zc::kType || column == zc::kName ||
           (column >= zc::kFirstAttribute && column < zc::kFirstAttribute + int(attributes_.size()));
}

int ZoneCells::item(int row, int column) const
{
    const panel::ZoneRow* zone = column == zc::kType ? rows_(row) : nullptr;
    return zone ? zone->type : -1;
}

void ZoneCells::setItem(int row, int column, int item)
{
    if (panel::ZoneRow* zone = column == zc::kType ? rows_(row) : nullptr)
        zone->type = item;
}

std::string* ZoneCells::textField(int row, int column) const
{
    panel::ZoneRow* zone = column == zc::kName ? rows_(row) : nullptr;
    return zone ? &zone->name : nullptr;
}

bool* ZoneCells::flag(int row, int column) const
{
    panel::ZoneRow* zone = column >= zc::kFirstAttribute && holds(column) ? rows_(row) : nullptr;
    if (!zone)
        return nullptr;
    const panel::ZoneAttribute attribute = attributes_[std::size_t(column - zc::kFirstAttribute)];
    return &zone->attributes[std::size_t(panel::attributeIndex(attribute))];
}

// ------------------------------------------------------------ PGMs

PgmCells::PgmCells(RowAt<panel::PgmRow> rows, RowAt<panel::PgmTimesRow> times)
    : rows_(std::move(rows)), times_(std::move(times), {pc::kActivation, pc::kDeactivation})
{
}

bool PgmCells::holds(int column) const { return column >= pc::kType && column <= pc::kPartitionB; }

QString PgmCells::text(int row, int column) const
{
    return times_.holds(column) ? times_.text(row, column) : GridRows::text(row, column);
}

void PgmCells::setText(int row, int column, const QString& text)
{
    if (times_.holds(column))
        times_.setText(row, column, text);
    else
        GridRows::setText(row, column, text);
}

int PgmCells::item(int row, int column) const
{
    const panel::PgmRow* pgm = rows_(row);
    if (!pgm)
        return -1;
    return column == pc::kType ? pgm->type : column == pc::kUnit ? pgm->unit : -1;
}

void PgmCells::setItem(int row, int column, int item)
{
    panel::PgmRow* pgm = rows_(row);
    if (pgm && column == pc::kType)
        pgm->type = item;
    else if (pgm && column == pc::kUnit)
        pgm->unit = std::max(item, 0);
}

std::string* PgmCells::textField(int row, int column) const
{
    panel::PgmRow* pgm = column == pc::kDelay ? rows_(row) : nullptr;
    return pgm ? &pgm->delay : nullptr;
}

bool* PgmCells::flag(int row, int column) const
{
    panel::PgmRow* pgm = rows_(row);
    if (!pgm)
        return nullptr;
    return column == pc::kPartitionA ? &pgm->partitionA : column == pc::kPartitionB ? &pgm->partitionB : nullptr;
}

// ------------------------------------------------------------ keypads and report codes

bool KeypadCells::holds(int column) const
{
    return column >= panel::keypad_column::kFirst && column < panel::keypad_column::kFirst + panel::kKeypadColumns;
}

bool* KeypadCells::flag(int row, int column) const
{
    panel::KeypadRow* keypad = holds(column) ? rows_(row) : nullptr;
    return keypad ? &(*keypad)[std::size_t(column - panel::keypad_column::kFirst)] : nullptr;
}

bool ReportCodeCells::holds(int column) const
{
    return column == panel::report_column::kCid || column == panel::report_column::k4x2;
}

std::string* ReportCodeCells::textField(int row, int column) const
{
    panel::ReportCodeRow* codes = holds(column) ? rows_(row) : nullptr;
    if (!codes)
        return nullptr;
    return column == panel::report_column::kCid ? &codes->cid : &codes->code4x2;
}

} // namespace qarvo::gui
