#pragma once
// "Select language": English and every language pack found beside the
// program; the current language is selected.
#include "app/Languages.h"

#include <QDialog>

class QListWidget;

namespace qarvo::gui {

class CLanguageDialog : public QDialog {
    Q_OBJECT
public:
    CLanguageDialog(std::vector<app::LanguageEntry> entries, const QString& currentCode, QWidget* parent = nullptr);
    QString selectedCode() const;
    QListWidget* list() const { return list_; }

private:
    std::vector<app::LanguageEntry> entries_;
    QListWidget* list_;
};

} // namespace qarvo::gui
