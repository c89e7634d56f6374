#pragma once
// The progress display of a panel operation: modeless, with the
// operation's caption, a bar that draws "Completed " and its per cent, and
// Cancel, which asks the worker once to drop the operation.
#include <QDialog>

#include <functional>

class QLabel;

namespace qarvo::gui {

class CTextProgressCtrl;

class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    // stopWorker signals the worker stop event.
    explicit CProgressDlg(std::function<void()> stopWorker, QWidget* parent = nullptr);

    // Sets the caption and shows the display.
    void showCaption(const QString& caption);
    // Readies the shown display for an operation and arms Cancel.
    void prepare();
    void step(int percent);
    void finish();

    bool cancelArmed() const { return cancelArmed_; }
    QString caption() const;
    int percent() const;
    QString barText() const;

public slots:
    // Cancel and closing the window both end here.
    void reject() override;

signals:
    void displayed(const QString& caption);
    void dismissed();

private:
    std::function<void()> stopWorker_;
    QLabel* caption_;
    CTextProgressCtrl* bar_;
    bool cancelArmed_ = false;
};

} // namespace qarvo::gui
