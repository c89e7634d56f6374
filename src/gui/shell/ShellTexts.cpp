#include "gui/shell/ShellTexts.h"

#include "app/Strings.h"

#include <QStringList>

namespace qarvo::gui {
namespace {

QString promptPart(int id, int part)
{
    const QStringList parts = text(id).split(u'\n');
    return part < parts.size() ? parts[part] : parts.front();
}

} // namespace

QString text(int id) { return strings::text(id); }

QString statusPart(int id) { return promptPart(id, 0); }
QString toolTipPart(int id) { return promptPart(id, 1); }

} // namespace qarvo::gui
