#pragma once
// A progress bar that draws its own text over the bar: a caption, followed
// by the per cent reached when asked. Drawing the text can be switched on
// and off while the bar runs (the firmware update shows it only while the
// download runs).
#include <QProgressBar>

namespace qarvo::gui {

class CTextProgressCtrl : public QProgressBar {
    Q_OBJECT
public:
    // Range 0-100, position 0, no text drawn; the parent's font.
    explicit CTextProgressCtrl(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setShowPercent(bool show);
    // Switches the drawing of the text on or off.
    void setTextDrawn(bool drawn);
    bool textDrawn() const { return isTextVisible(); }

    // The text drawn over the bar: the caption and, with the per cent shown,
    // round(position x 100 / range) with halves rounded up and a '%'.
    QString text() const override;
    // The per cent of the range reached.
    int roundedPercent() const;

private:
    QString caption_;
    bool showPercent_ = false;
};

} // namespace qarvo::gui
