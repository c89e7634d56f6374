#pragma once
// The master functions page: what the panel's master user programs. The
// user codes with their attributes and names, the ambush digit, the
// "Follow me" numbers, the voice dialer options, the guard rounds, the
// partitions' timed arming moments and the PGM on/off times. The page
// shows the session's master form and writes every edit back into it at
// once; storing the form into the image is the session's business.
//
// It also keeps the two identification codes that the connection commands
// write into its panel ID and PC ID fields.
#include "gui/pages/CPage.h"
#include "gui/pages/FormControls.h"
#include "panel/MasterForm.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace qarvo::session {
class PanelSession;
}

namespace qarvo::gui {

class CListCtrlEx;

struct IdCodes {
    std::uint16_t panelId = 0;
    std::uint16_t pcId = 0;
    bool operator==(const IdCodes&) const = default;
};

class CPageMaster : public CPage {
    Q_OBJECT
public:
    explicit CPageMaster(QWidget* parent = nullptr);

    // The panel ID and PC ID fields; nullopt while nothing was written there.
    std::optional<IdCodes> idFields() const { return idFields_; }
    void setIdFields(const IdCodes& codes) { idFields_ = codes; }

    // The session whose master form the page shows and edits.
    void bind(session::PanelSession& session);

    void showImage() override;
    bool holdsControl(int control) const override;
    void focusPlace(const panel::FormPlace& place) override;

    CListCtrlEx* userGrid() const { return userGrid_; }
    CListCtrlEx* pgmGrid() const { return pgmGrid_; }
    // The edit, check box or grid of a control id; nullptr for none.
    QWidget* control(int id) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildUserCodes();
    QWidget* buildFollowMe();
    QWidget* buildVoice();
    QWidget* buildRounds();
    QWidget* buildPartition(int titleId, int firstLabelId, int firstControl);
    QWidget* buildPgmTimes();
    QLineEdit* addTextField(int control, int length, const QString& allowed);

    void setUpUserGrid(int pgmColumns);
    void showUsers();
    void showPgmTimes();
    // The enabling that the model and the installer page's options decide.
    void applyEnables();

    void userCellEdited(int row, int column);
    void userHeaderClicked(int column);
    void pgmCellEdited(int row, int column);

    panel::MasterForm& form();

    session::PanelSession* session_ = nullptr;
    std::optional<IdCodes> idFields_;
    FormControls controls_;
    std::map<int, QLabel*> labels_; // labels that follow their control's enabling
    CListCtrlEx* userGrid_ = nullptr;
    CListCtrlEx* pgmGrid_ = nullptr;
    int pgmColumns_ = -1;
    bool showing_ = false; // filling the controls: no edits back into the form
};

} // namespace qarvo::gui
