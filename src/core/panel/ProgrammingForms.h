#pragma once
// The three programming forms together: the master page, the installer page
// and its digital communicator settings. A value both pages show is one
// field (of MasterForm), so an edit on either page is kept whichever page is
// current. The two whole-image conversions move every setting between the
// document's image and the forms.
#include "panel/CUploadDoc.h"
#include "panel/FormError.h"
#include "panel/InstallerForm.h"
#include "panel/MasterForm.h"
#include "panel/ReportForm.h"

#include <optional>
#include <span>

namespace qarvo::panel {

struct ProgrammingForms {
    MasterForm master;
    InstallerForm installer;
    ReportForm report;

    // The installer page's partition options that the master page's times
    // depend on.
    PartitionSwitches partitionSwitches() const;

    friend bool operator==(const ProgrammingForms&, const ProgrammingForms&) = default;
};

// Image to forms: every page shows the document again.
void imageToForms(const CUploadDoc& doc, ProgrammingForms& forms);

// Forms to image: the master page, then the installer page with its digital
// communicator settings, each in its own order. The values are written into
// a copy of the image and the user names, which replace the document's only
// when every value was accepted; otherwise the document is untouched and
// the first refused value is returned.
std::optional<FormError> formsToImage(const ProgrammingForms& forms, CUploadDoc& doc);

// A value the installer page shows too: the master page's control (and grid
// cell) and the installer page's. Errors and the shared fields name the
// master page's control.
struct SharedControl {
    int master;
    int installer;
};
std::span<const SharedControl> sharedControls();

// The same error placed on the installer page's copy of the value, for the
// installer page to focus; an error of no shared value comes back unchanged.
FormError onInstallerPage(const FormError& error);

} // namespace qarvo::panel
