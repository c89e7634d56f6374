#pragma once
// The about box: the version, product name and legal notice of the
// language in use.
#include "gui/ProgramTexts.h"

#include <QDialog>

namespace qarvo::gui {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const VersionTexts& version, QWidget* parent = nullptr);
};

} // namespace qarvo::gui
