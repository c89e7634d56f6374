#pragma once
// The communicator ("Tavi") page. The connection opening and closing report
// to it; it shows the communicator's connection state in its status pane
// and the failures in error boxes. Its option controls are built later.
#include "gui/CPage.h"

namespace qarvo::gui {

class CPageTavi : public CPage {
    Q_OBJECT
public:
    explicit CPageTavi(QWidget* parent = nullptr);

    void communicatorReport(const CommunicatorNotice& notice);

signals:
    // The communicator status pane shows this text.
    void statusText(int textId);
    // An error box with this text.
    void error(int textId);
};

} // namespace qarvo::gui
