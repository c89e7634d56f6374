#pragma once
// The panel ID and PC ID fields of the connection dialogs: four hex digits
// each, editable only while the default IDs are off.
#include "link/ConnectionSettings.h"

#include <QString>

class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace qarvo::gui {

struct IdFieldPair {
    QLineEdit* panelId;
    QLineEdit* pcId;
};

IdFieldPair addIdFields(QFormLayout& form, const link::ConnectionSettings& record);
// Stores both fields into the record unless the default IDs are on.
void storeIds(const IdFieldPair& fields, bool useDefaultIds, link::ConnectionSettings& record);

// A port entry of 0 to 65535.
QSpinBox* makePortBox(const QString& objectName, int value);

} // namespace qarvo::gui
