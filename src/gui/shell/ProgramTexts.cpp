#include "gui/shell/ProgramTexts.h"

#include "gui/shell/ShellTexts.h"

namespace qarvo::gui {
namespace {

// The version text a language pack carries about itself; the program's own
// English version comes from the build.
constexpr int kPackProductVersion = 9136;

VersionTexts& current()
{
    static VersionTexts texts = builtInVersionTexts();
    return texts;
}

} // namespace

QString templateField(TemplateField field)
{
    return text(text_id::kDocumentTemplate).section(u'\n', static_cast<int>(field), static_cast<int>(field));
}

QString applicationTitle() { return templateField(TemplateField::AppTitle); }

QString documentFilter() { return templateField(TemplateField::FilterName); }

VersionTexts builtInVersionTexts()
{
    return {QStringLiteral(QARVOIP_VERSION ".0"), text(shell_text::kProductName), text(shell_text::kLegalNotice)};
}

VersionTexts versionTextsOf(const app::CurrentLanguage& language)
{
    if (!language.pack())
        return builtInVersionTexts();
    const QTranslator& pack = *language.pack();
    return {app::packText(pack, kPackProductVersion), app::packText(pack, shell_text::kProductName),
            app::packText(pack, shell_text::kLegalNotice)};
}

void setVersionTexts(const VersionTexts& texts) { current() = texts; }
const VersionTexts& versionTexts() { return current(); }
QString productName() { return current().productName; }

} // namespace qarvo::gui
