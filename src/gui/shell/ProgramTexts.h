#pragma once
// Texts about the program itself: the document template's fields (window
// title, untitled name, file filter, extension) and the version texts of
// the current language for the about box and the progress display.
#include "app/Languages.h"

#include <QString>

namespace qarvo::gui {

// Fields of the document template text, in its order.
enum class TemplateField { AppTitle = 0, Untitled = 1, FilterName = 3, Extension = 4 };
QString templateField(TemplateField field);

QString applicationTitle();
// "QarvoIP Settings (*.rps)" as a file dialog filter.
QString documentFilter();

struct VersionTexts {
    QString productVersion; // "major.minor.build.revision"
    QString productName;
    QString legalNotice;
};

// The program's own version texts.
VersionTexts builtInVersionTexts();
// The version texts of the language in use: the program's own in English,
// the pack's otherwise (empty where the pack carries none).
VersionTexts versionTextsOf(const app::CurrentLanguage& language);

// The process-wide version texts, set once at start-up.
void setVersionTexts(const VersionTexts& texts);
const VersionTexts& versionTexts();
QString productName();

} // namespace qarvo::gui
