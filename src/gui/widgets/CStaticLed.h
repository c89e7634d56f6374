#pragma once
// A label with an LED lamp before its text. The lamp shows whether the
// system (or partition A) is on, or in two-partition mode which of A and B
// are on, in a plain look or an alarm look.
#include <QLabel>

namespace qarvo::gui {

class CStaticLed : public QLabel {
    Q_OBJECT
public:
    explicit CStaticLed(QWidget* parent = nullptr);

    void setOn(bool a, bool b = false);
    void setDual(bool dual);
    void setAlarm(bool alarm);
    // A off, single mode, plain look.
    void reset();

    bool aOn() const { return a_; }
    bool bOn() const { return b_; }
    bool dual() const { return dual_; }
    bool alarm() const { return alarm_; }
    // The image shown, 0 to 8 (the numbering of the shared status images).
    int image() const { return imageFor(a_, b_, dual_, alarm_); }
    static int imageFor(bool a, bool b, bool dual, bool alarm);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();

    bool a_ = false;
    bool b_ = false;
    bool dual_ = false;
    bool alarm_ = false;
};

} // namespace qarvo::gui
