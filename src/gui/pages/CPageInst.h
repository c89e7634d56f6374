#pragma once
// The installer functions page: the installer's programming of the panel.
// Identification codes with the installer, maintenance and master codes,
// the zones with their types, names and attributes, the PGM outputs, the
// keypads, the timers, the option bytes as check boxes and lists, the two
// partitions, the rounds, the phone line and the voice module. The page
// shows the session's installer form (and the master form's values that
// both pages show) and writes every edit back into it at once; storing the
// forms into the image is the session's business. The digital communicator
// settings open from here through reportDialogRequested().
#include "gui/pages/CPage.h"
#include "gui/pages/FormControls.h"
#include "panel/InstallerForm.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace qarvo::session {
class PanelSession;
}
namespace qarvo::panel {
struct MasterForm;
}

namespace qarvo::gui {

class CListCtrlEx;

class CPageInst : public CPage {
    Q_OBJECT
public:
    explicit CPageInst(QWidget* parent = nullptr);

    // The session whose forms the page shows and edits.
    void bind(session::PanelSession& session);

    void showImage() override;
    bool holdsControl(int control) const override;
    void focusPlace(const panel::FormPlace& place) override;

    CListCtrlEx* codesGrid() const { return codesGrid_; }
    CListCtrlEx* zoneGrid() const { return zoneGrid_; }
    CListCtrlEx* pgmGrid() const { return pgmGrid_; }
    CListCtrlEx* keypadGrid() const { return keypadGrid_; }
    // The edit, check box, list or grid of a control id; nullptr for none.
    QWidget* control(int id) const;

signals:
    // The "Digital communicator" button: the frame opens its dialog.
    void reportDialogRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildIds();
    QWidget* buildCodesGrid();
    QWidget* buildZones();
    QWidget* buildPgms();
    QWidget* buildKeypads();
    QWidget* buildTimers();
    QWidget* buildPhoneLine();
    QWidget* buildGeneralOptions();
    QWidget* buildSignalOptions();
    QWidget* buildPartition(bool partitionB);
    QWidget* buildRounds();
    QWidget* buildVoice();

    QLineEdit* addEdit(int control);
    QCheckBox* addCheck(int control, int textId);
    QComboBox* addList(int control, const QStringList& items);
    QLabel* addLabel(const QString& text, QWidget* buddy, int control = 0);

    // The grids' columns for the panel model: attribute columns of the
    // zone grid, PGM type list, P columns of the codes grid.
    void buildModelColumns();
    void showCodes();
    void showZones();
    void showZoneAttributes();
    void showPgms();
    void showKeypads();
    void applyEnables();

    void codeCellEdited(int row, int column);
    void zoneCellEdited(int row, int column);
    void pgmCellEdited(int row, int column);
    void keypadCellEdited(int row, int column);

    panel::InstallerForm& form();
    panel::MasterForm& master();
    int& optionSlot(int control);
    // Reading leaves the form as it is: a value it lacks shows as 0.
    int optionShown(int control);
    std::string& textSlot(int control);
    const panel::PanelModel& model() const;
    int pgmRows() const;

    session::PanelSession* session_ = nullptr;
    FormControls controls_;
    std::map<int, QLabel*> labels_; // labels that follow their control's enabling
    std::vector<QWidget*> partitionBParts_; // what partition mode switches on and off
    QTimeEdit* firstTest_ = nullptr;
    CListCtrlEx* codesGrid_ = nullptr;
    CListCtrlEx* zoneGrid_ = nullptr;
    CListCtrlEx* pgmGrid_ = nullptr;
    CListCtrlEx* keypadGrid_ = nullptr;
    std::vector<QLabel*> zoneLegends_;
    std::vector<panel::ZoneAttribute> zoneColumns_;
    std::optional<std::uint8_t> columnsFor_; // the type code the model columns are built for
    int codePgmColumns_ = 0;
    bool showing_ = false; // filling the controls: no edits back into the form
};

} // namespace qarvo::gui
