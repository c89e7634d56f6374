#include "gui/dialogs/IdFields.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/shell/ShellTexts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace qarvo::gui {

IdFieldPair addIdFields(QFormLayout& form, const link::ConnectionSettings& record)
{
    IdFieldPair fields{makeHexField(QStringLiteral("panelId")), makeHexField(QStringLiteral("pcId"))};
    fields.panelId->setText(hexText(record.effectivePanelId()));
    fields.pcId->setText(hexText(record.effectivePcId()));
    fields.panelId->setEnabled(!record.useDefaultIds);
    fields.pcId->setEnabled(!record.useDefaultIds);
    form.addRow(text(shell_text::kPanelId), fields.panelId);
    form.addRow(text(shell_text::kPcId), fields.pcId);
    return fields;
}

void storeIds(const IdFieldPair& fields, bool useDefaultIds, link::ConnectionSettings& record)
{
    if (useDefaultIds)
        return;
    record.panelId = hexValue(fields.panelId);
    record.pcId = hexValue(fields.pcId);
}

QSpinBox* makePortBox(const QString& objectName, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(objectName);
    box->setRange(0, 65535);
    box->setValue(value);
    return box;
}

} // namespace qarvo::gui
