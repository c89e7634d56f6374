#pragma once
// The digital communicator settings of the installer functions: how the
// panel dials its two central stations, their accounts, numbers and
// formats, which event groups each station receives, and the Contact ID
// and 4x2 code of every reported event.
//
// The dialog edits a copy of the session's report form. OK checks the copy
// the way a save would (the first refused value is named and focused) and
// only then hands it to the session; Cancel leaves the session's form as it
// was.
#include "gui/pages/FormControls.h"
#include "panel/FormError.h"
#include "panel/ReportForm.h"

#include <QDialog>

#include <array>
#include <map>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QTabWidget;

namespace qarvo::session {
class PanelSession;
}

namespace qarvo::gui {

class CListCtrlEx;

class CReportDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReportDlg(session::PanelSession& session, QWidget* parent = nullptr);

    // Shows the session's report form again, dropping the edits made here
    // (the image changed under the open dialog).
    void showForm();

    // Whether a control of the report form is one of this dialog's.
    static bool holdsControl(int control);
    // The focus on a control, or on a cell of the codes grid; kept until the
    // dialog is shown when it is not visible yet.
    void focusPlace(const panel::FormPlace& place);

    // The edit, list, check box or grid of a control id; nullptr for none.
    QWidget* control(int id) const;
    CListCtrlEx* codesGrid() const { return grid_; }
    // The values as the dialog holds them now.
    const panel::ReportForm& form() const { return form_; }

    void accept() override;
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildOptions();
    QWidget* buildStations();
    QWidget* buildSplitGroup(int index);
    QWidget* buildCodes();
    void chainTabOrder(QDialogButtonBox* buttons);
    QComboBox* addList(int control, std::initializer_list<int> itemIds);
    void fillFormatList(QComboBox* list, const panel::FormatField& field);

    void showCodes();
    void optionChanged(int control, int value);
    void codeEdited(int row, int column);
    void applyEnables();
    // Two columns of settings when the dialog is wide enough, one otherwise.
    void arrangeSettings();
    // The width the settings take in two columns.
    int twoColumnWidth() const;

    session::PanelSession& session_;
    panel::ReportForm form_;
    FormControls controls_;
    QWidget* stations_ = nullptr;
    std::array<QWidget*, 2> splitGroups_{};
    QWidget* options_ = nullptr;
    QGridLayout* settingsLayout_ = nullptr;
    bool twoColumns_ = false;
    QTabWidget* tabs_ = nullptr;
    CListCtrlEx* grid_ = nullptr;
    QLabel* contactIdNote_ = nullptr;
    std::optional<panel::FormPlace> pendingFocus_;
    bool showing_ = false; // filling the controls: no edits back into the form
};

} // namespace qarvo::gui
