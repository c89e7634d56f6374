#include "gui/dialogs/CProgressDlg.h"

#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CTextProgressCtrl.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qarvo::gui {

CProgressDlg::CProgressDlg(std::function<void()> stopWorker, QWidget* parent)
    : QDialog(parent), stopWorker_(std::move(stopWorker)), caption_(new QLabel), bar_(new CTextProgressCtrl)
{
    setObjectName(QStringLiteral("progressDialog"));
    setModal(false);
    setWindowTitle(productName());
    bar_->setShowPercent(true);
    bar_->setTextDrawn(true);
    bar_->setMinimumWidth(280);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(text(text_id::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &CProgressDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
}

void CProgressDlg::showCaption(const QString& caption)
{
    caption_->setText(caption);
    show();
    raise();
    emit displayed(caption);
}

void CProgressDlg::prepare()
{
    bar_->setValue(0);
    bar_->setCaption(text(text_id::kCompleted));
    cancelArmed_ = true;
}

void CProgressDlg::step(int percent) { bar_->setValue(std::clamp(percent, 0, 100)); }

void CProgressDlg::finish()
{
    cancelArmed_ = false;
    if (isVisible()) {
        hide();
        emit dismissed();
    }
}

void CProgressDlg::reject()
{
    if (cancelArmed_) {
        cancelArmed_ = false;
        if (stopWorker_)
            stopWorker_();
    }
    finish();
}

QString CProgressDlg::caption() const { return caption_->text(); }
int CProgressDlg::percent() const { return bar_->value(); }
QString CProgressDlg::barText() const { return bar_->text(); }

} // namespace qarvo::gui
