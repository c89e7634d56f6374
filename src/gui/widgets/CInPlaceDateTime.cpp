#include "gui/widgets/CInPlaceDateTime.h"

#include "gui/models/GridModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimeEdit>

namespace qarvo::gui {
namespace {

constexpr const char* kTimeFormat = "HH:mm";

// A time edit, with the on/off switch in front of it for kind 7.
class TimePicker : public QWidget {
public:
    TimePicker(bool withSwitch, QWidget* parent) : QWidget(parent), time(new QTimeEdit(this))
    {
        setAutoFillBackground(true);
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        if (withSwitch) {
            on = new QCheckBox(this);
            layout->addWidget(on);
            // The focus stays inside the picker when the time is switched off.
            connect(on, &QCheckBox::toggled, this, [this](bool checked) {
                if (!checked && time->hasFocus())
                    on->setFocus();
                time->setEnabled(checked);
                if (checked && on->hasFocus())
                    time->setFocus();
            });
        }
        time->setDisplayFormat(QString::fromLatin1(kTimeFormat));
        time->setFrame(false);
        layout->addWidget(time, 1);
        setFocusProxy(time);
    }

    void setTime(const std::optional<cells::HourMinute>& value)
    {
        time->setTime(QTime(value ? value->hour : 0, value ? value->minute : 0));
        if (on) {
            on->setChecked(value.has_value());
            time->setEnabled(value.has_value());
        }
    }

    QString text() const
    {
        if (on && !on->isChecked())
            return QString::fromLatin1(cells::kTimeOff.data(), cells::kTimeOff.size());
        return QString::fromStdString(cells::formatHourMinute({time->time().hour(), time->time().minute()}));
    }

    QTimeEdit* time;
    QCheckBox* on = nullptr;
};

// Whether the grid still holds the picker as its open editor: a picker that
// is being closed gives its focus away too, which is no new end of the edit.
bool isOpen(const TimePicker* picker)
{
    const QWidget* viewport = picker->parentWidget();
    const auto* view = viewport ? qobject_cast<const QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    return view && view->indexWidget(view->currentIndex()) == picker;
}

} // namespace

QWidget* CInPlaceDateTime::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* model = gridModelOf(index);
    if (!model || !cells::isTimePicker(model->kind(index.column())))
        return nullptr;
    auto* picker = new TimePicker(model->kind(index.column()) == cells::CellKind::TimePickerOnOff, parent);
    // Focus moves between the switch and the time inside the picker; the
    // edit ends only when it leaves the picker.
    picker->time->installEventFilter(const_cast<CInPlaceDateTime*>(this));
    if (picker->on)
        picker->on->installEventFilter(const_cast<CInPlaceDateTime*>(this));
    return picker;
}

void CInPlaceDateTime::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* picker = dynamic_cast<TimePicker*>(editor))
        picker->setTime(cells::pickerTime(index.data(Qt::EditRole).toString().toStdString()));
}

void CInPlaceDateTime::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* picker = dynamic_cast<TimePicker*>(editor))
        model->setData(index, picker->text(), Qt::EditRole);
}

bool CInPlaceDateTime::eventFilter(QObject* object, QEvent* event)
{
    auto* child = qobject_cast<QWidget*>(object);
    auto* picker = child ? dynamic_cast<TimePicker*>(child->parentWidget()) : nullptr;
    if (!picker) // the picker itself: Enter, Escape and Tab as every editor
        return QStyledItemDelegate::eventFilter(object, event);
    // Space switches the time on and off from the keyboard, wherever the
    // focus is inside the picker.
    if (event->type() == QEvent::KeyPress && picker->on && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        picker->on->toggle();
        return true;
    }
    if (event->type() == QEvent::FocusOut && isOpen(picker)) {
        const QWidget* focus = QApplication::focusWidget();
        if (!focus || !picker->isAncestorOf(focus)) {
            emit commitData(picker);
            emit closeEditor(picker, NoHint);
        }
    }
    return false; // keys the parts leave unhandled reach the picker
}

} // namespace qarvo::gui
