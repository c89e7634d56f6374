#pragma once
// The about box: the version, product name and legal notice of the
// language in use, the build date, the Qt version the program runs on, the
// licence and a link to the user's documentation.
#include "gui/shell/ProgramTexts.h"

#include <QDialog>
#include <QUrl>

namespace qarvo::gui {

// The README installed with the program, else the one of the source tree
// it was built from.
QUrl documentationUrl();

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const VersionTexts& version, QWidget* parent = nullptr);
};

} // namespace qarvo::gui
