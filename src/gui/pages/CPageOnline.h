#pragma once
// The online status page: the panel's live state and its commands. It keeps
// the online status model, feeds it the operation reports, and shows it
// again once per burst of reports rather than once per report. Its buttons
// start the online operation that the model asks for.
#include "gui/pages/CPage.h"
#include "online/OnlineModel.h"

#include <QTimer>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace qarvo::session {
class PanelJob;
class PanelSession;
}

namespace qarvo::gui {

class CListZones;
class CStaticLed;
class CStatusEdit;
class PgmListModel;

class CPageOnline : public CPage {
    Q_OBJECT
public:
    explicit CPageOnline(QWidget* parent = nullptr);

    // The session whose identity, clock, document notes and worker the page uses.
    void bind(session::PanelJob& job);

    void showImage() override;
    // A new or opened document replaced the open one.
    void documentReplaced();
    void operationStarting(int code) override;
    void workerEnded() override;
    void report(const ReportNotice& notice) override;

    const online::OnlineModel& model() const { return model_; }
    // The page shows the model as it is now (tests and the benchmark call it
    // instead of waiting for the coalesced refresh).
    void refreshNow();
    // How many times the page has been shown again since it was made.
    int refreshCount() const { return refreshes_; }

    CListZones* zoneList() const { return zones_; }
    QTableView* pgmList() const { return pgmList_; }
    QPushButton* button(online::Button which) const;

    // Asked before a button arms a partition with open zones (their
    // indexes); false leaves the partition as it is. None: arming asks nothing.
    std::function<bool(const std::vector<int>& openZones)> confirmArming;

signals:
    // After each refresh of the page's controls.
    void refreshed();

private:
    void build();
    QWidget* buildStatusArea();
    QWidget* buildZoneArea();
    QWidget* buildSideArea();
    void connectButtons();
    void scheduleRefresh();
    void refreshTexts();
    void refreshLeds();
    void refreshButtons();
    void press(online::Button which);
    void takeNotes();

    online::OnlineModel model_;
    session::PanelJob* job_ = nullptr;
    session::PanelSession* session_ = nullptr;
    QTimer refreshTimer_;
    int refreshes_ = 0;
    bool showingNotes_ = false;

    CStaticLed* panelLed_ = nullptr;
    CStatusEdit* panelModel_ = nullptr;
    CStatusEdit* panelClock_ = nullptr;
    CStatusEdit* pcClock_ = nullptr;
    QPushButton* syncTime_ = nullptr;
    CStatusEdit* chime_ = nullptr;
    QPushButton* chimeButton_ = nullptr;
    CStatusEdit* troubles_ = nullptr;
    CStaticLed* systemLed_ = nullptr;
    CStatusEdit* systemStatus_ = nullptr;
    QPushButton* systemButton_ = nullptr;
    CStaticLed* partitionBLed_ = nullptr;
    CStatusEdit* partitionBStatus_ = nullptr;
    QPushButton* partitionBButton_ = nullptr;
    CListZones* zones_ = nullptr;
    QPushButton* bypassButton_ = nullptr;
    PgmListModel* pgms_ = nullptr;
    QTableView* pgmList_ = nullptr;
    QPushButton* pgmButton_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
};

} // namespace qarvo::gui
