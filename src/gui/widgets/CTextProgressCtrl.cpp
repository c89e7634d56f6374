#include "gui/widgets/CTextProgressCtrl.h"

namespace qarvo::gui {

namespace {
constexpr int kPercentEnd = 100;
}

CTextProgressCtrl::CTextProgressCtrl(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, kPercentEnd);
    setValue(0);
    setAlignment(Qt::AlignCenter);
    setTextVisible(false);
}

void CTextProgressCtrl::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void CTextProgressCtrl::setShowPercent(bool show)
{
    showPercent_ = show;
    update();
}

void CTextProgressCtrl::setTextDrawn(bool drawn) { setTextVisible(drawn); }

int CTextProgressCtrl::roundedPercent() const
{
    const long long span = static_cast<long long>(maximum()) - minimum();
    if (span <= 0)
        return 0;
    const long long reached = static_cast<long long>(value()) - minimum();
    // Halves up: (2 x reached x 100 + span) / (2 x span).
    return static_cast<int>((2 * reached * kPercentEnd + span) / (2 * span));
}

QString CTextProgressCtrl::text() const
{
    if (!showPercent_)
        return caption_;
    return caption_ + QString::number(roundedPercent()) + u'%';
}

} // namespace qarvo::gui
