#pragma once
// What every page of the main window's property sheet offers the frame:
// its name, and the frame's hand-over of images, operation starts and ends
// and reports. A page whose contents are not built yet says so plainly.
#include "base/NoticeSink.h"
#include "panel/FormError.h"

#include <QWidget>

#include <utility>
#include <vector>

class QBoxLayout;
class QLabel;

namespace qarvo::gui {

class CPage : public QWidget {
    Q_OBJECT
public:
    CPage(int nameTextId, QWidget* parent = nullptr);

    int nameTextId() const { return nameTextId_; }
    QString name() const;

    // The panel memory image changed: show it again.
    virtual void showImage() {}
    // An operation with this code is about to start.
    virtual void operationStarting(int /*code*/) {}
    // The operation worker ended: reset the displays.
    virtual void workerEnded() {}
    // An operation report that this page displays.
    virtual void report(const ReportNotice& /*notice*/) {}

    // Whether a control of the programming forms is on this page, and
    // putting the focus on it (a grid control: on its cell) when storing
    // the forms refused its value.
    virtual bool holdsControl(int /*control*/) const { return false; }
    virtual void focusPlace(const panel::FormPlace& /*place*/) {}

signals:
    // The user changed a value the page keeps in the session's forms.
    void edited();

public:
    // Whether the page shows its placeholder (its contents are built later).
    bool placeholder() const { return placeholder_ != nullptr; }

protected:
    // Puts the page's contents into a frameless scroll area filling the
    // page: a window smaller than the page scrolls it instead of being held
    // at the page's size.
    void setScrollingBody(QWidget* contents, const QString& scrollName);
    // The plain note that stands where the page's controls will be.
    void showPlaceholder();
    // Two parts side by side while the page is wide enough for both (each
    // taking a share of the width that follows what it wants), else one
    // above the other. Returns the pair's layout for the caller to place.
    QBoxLayout* addPair(QWidget* first, QWidget* second);
    void resizeEvent(QResizeEvent* event) override;

private:
    int nameTextId_;
    QLabel* placeholder_ = nullptr;
    std::vector<std::pair<QBoxLayout*, std::pair<QWidget*, QWidget*>>> pairs_;
};

} // namespace qarvo::gui
