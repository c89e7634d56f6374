#pragma once
// The online page's zone list: one row per zone with its number, its
// description and six indicator images, drawn from the online model's zone
// rows. One row at a time can be selected, by mouse or keyboard.
#include <QTableView>

#include <optional>

namespace qarvo::online {
class OnlineModel;
}

namespace qarvo::gui {

class ZoneStatusModel;

class CListZones : public QTableView {
    Q_OBJECT
public:
    explicit CListZones(const online::OnlineModel& model, QWidget* parent = nullptr);

    ZoneStatusModel& zones() const { return *zones_; }
    std::optional<int> selectedZone() const;
    void selectZone(int row);
    // Takes the model's rows again (see ZoneStatusModel::refresh).
    int refresh();

signals:
    // The selected zone's index, or -1 when none is selected.
    void zoneSelected(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int minimumDescriptionWidth() const;
    void fitDescription();
    // The number column is as wide as its widest label (a zone's name
    // stands beside its number when the document names it).
    void fitNumbers();

    ZoneStatusModel* zones_;
};

} // namespace qarvo::gui
