#include "gui/widgets/CInPlaceEdit.h"

#include "gui/widgets/CharFilterValidator.h"
#include "gui/models/GridModel.h"

#include <QLineEdit>

namespace qarvo::gui {
namespace {

// The width the box needs for its text, at least the cell's, at most up to
// the right edge of the grid's visible area.
void fitWidth(QLineEdit* edit, const QRect& cell)
{
    const int wanted = edit->fontMetrics().horizontalAdvance(edit->text()) + 2 * edit->fontMetrics().averageCharWidth() + 8;
    const int limit = edit->parentWidget() ? edit->parentWidget()->width() - cell.left() : cell.width();
    edit->resize(std::max(cell.width(), std::min(wanted, limit)), cell.height());
}

} // namespace

QWidget* CInPlaceEdit::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* model = gridModelOf(index);
    if (!model)
        return nullptr;
    const auto rule = model->rule(index.row(), index.column());
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(model->columnAlignment(index.column()));
    if (const int length = cells::editorLength(rule); length > 0)
        edit->setMaxLength(length);
    if (rule.kind != cells::CellKind::Text)
        edit->setValidator(new CharFilterValidator([kind = rule.kind](char c) { return cells::acceptsChar(kind, c); },
                                                   edit, rule.kind == cells::CellKind::Hex));
    connect(edit, &QLineEdit::textChanged, edit, [edit] { fitWidth(edit, edit->property("cell").toRect()); });
    return edit;
}

void CInPlaceEdit::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = qobject_cast<QLineEdit*>(editor);
    const auto* model = gridModelOf(index);
    if (!edit || !model)
        return;
    const QString text = index.data(Qt::EditRole).toString();
    edit->setText(QString::fromStdString(cells::editorText(model->kind(index.column()), text.toStdString())));
}

void CInPlaceEdit::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void CInPlaceEdit::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setProperty("cell", option.rect);
    editor->move(option.rect.topLeft());
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        fitWidth(edit, option.rect);
    else
        editor->resize(option.rect.size());
}

} // namespace qarvo::gui
