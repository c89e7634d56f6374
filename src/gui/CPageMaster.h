#pragma once
// The master functions page: the master user's programming of the panel.
// Until its controls are built it keeps the two identification codes that
// the connection commands write into its panel ID and PC ID fields.
#include "gui/CPage.h"

#include <cstdint>
#include <optional>

namespace qarvo::gui {

struct IdCodes {
    std::uint16_t panelId = 0;
    std::uint16_t pcId = 0;
    bool operator==(const IdCodes&) const = default;
};

class CPageMaster : public CPage {
    Q_OBJECT
public:
    explicit CPageMaster(QWidget* parent = nullptr);

    // The panel ID and PC ID fields; nullopt while nothing was written there.
    std::optional<IdCodes> idFields() const { return idFields_; }
    void setIdFields(const IdCodes& codes) { idFields_ = codes; }

private:
    std::optional<IdCodes> idFields_;
};

} // namespace qarvo::gui
