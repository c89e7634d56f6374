#include "gui/widgets/CStaticLed.h"

#include "gui/widgets/StatusImages.h"

#include <QPainter>

namespace qarvo::gui {
namespace {
constexpr int kGap = 4;
// The lamp takes the left part of the status image in single mode.
constexpr int kSingleLampWidth = 19;

int lampWidth(bool dual) { return dual ? kStatusImageSize.width() : kSingleLampWidth; }
} // namespace

CStaticLed::CStaticLed(QWidget* parent) : QLabel(parent)
{
    changed();
}

int CStaticLed::imageFor(bool a, bool b, bool dual, bool alarm)
{
    // Image numbers: 0 off, 1 on, 2 on (alarm), 3 A, 4 A and B, 5 B, and
    // 6, 7, 8 the same three in the alarm look.
    if (!dual)
        return a ? (alarm ? 2 : 1) : 0;
    if (!a && !b)
        return 0;
    const int plain = a && b ? 4 : a ? 3 : 5;
    return alarm ? plain + 3 : plain;
}

void CStaticLed::setOn(bool a, bool b)
{
    if (a == a_ && b == b_)
        return;
    a_ = a;
    b_ = b;
    changed();
}

void CStaticLed::setDual(bool dual)
{
    if (dual == dual_)
        return;
    dual_ = dual;
    changed();
}

void CStaticLed::setAlarm(bool alarm)
{
    if (alarm == alarm_)
        return;
    alarm_ = alarm;
    changed();
}

void CStaticLed::reset()
{
    a_ = false;
    b_ = false;
    dual_ = false;
    alarm_ = false;
    changed();
}

void CStaticLed::changed()
{
    setContentsMargins(lampWidth(dual_) + kGap, 0, 0, 0);
    setAccessibleDescription(imageMeaning(image()));
    updateGeometry();
    update();
}

QSize CStaticLed::sizeHint() const
{
    const QSize text = QLabel::sizeHint();
    return {text.width(), std::max(text.height(), kStatusImageSize.height())};
}

QSize CStaticLed::minimumSizeHint() const
{
    const QSize text = QLabel::minimumSizeHint();
    return {text.width(), std::max(text.height(), kStatusImageSize.height())};
}

void CStaticLed::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    const QPixmap lamp = statusImage(Glyph::Lamp, image(), devicePixelRatioF());
    const int top = (height() - kStatusImageSize.height()) / 2;
    // In single mode the lamp is drawn centred in a square of the image's height.
    const int left = dual_ ? 0 : -(kStatusImageSize.width() - kSingleLampWidth) / 2;
    painter.setClipRect(0, 0, lampWidth(dual_), height());
    painter.drawPixmap(left, top, lamp);
}

} // namespace qarvo::gui
