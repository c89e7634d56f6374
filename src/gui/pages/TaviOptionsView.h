#pragma once
// The controls of the communicator options page: the model information,
// the communicator's own settings, its network, the two reporting servers,
// the local and input events, the PGM rows and the GPRS settings, laid out
// in group boxes. The view only moves values between its controls and the
// options form and applies the form's enable rules; what the values mean is
// the form's business.
#include "communicator/TaviOptionsForm.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qarvo::gui {

class TaviOptionsView : public QWidget {
    Q_OBJECT
public:
    explicit TaviOptionsView(QWidget* parent = nullptr);

    // The controls' values. The IPv4 fields that do not hold an address
    // read as 0; invalidIpv4Field names the first of them.
    TaviOptionsForm form() const;
    void setForm(const TaviOptionsForm& form);
    std::optional<std::size_t> invalidIpv4Field() const;

    // Enables the controls by the form's rules for the model's capabilities.
    void applyEnables(const TaviCapabilities& capabilities);

    // The model information lines of an accept reply, in the page's order;
    // an empty list empties them.
    void setModelInfo(const std::vector<std::string>& values);
    QString modelInfoText(std::size_t line) const;
    // The live state: tavi_state bits and the signal strength; no RSSI
    // empties the field.
    void setLiveState(std::uint8_t state, std::optional<std::uint8_t> rssi);
    void setPgmState(std::size_t pgm, bool on);
    void clearSignal();

    // The control that takes the focus when a store stops at it.
    QWidget* control(TaviControl control) const;
    QLineEdit* ipv4Edit(std::size_t field) const { return ipv4_[field]; }
    QCheckBox* dhcpBox() const { return dhcp_; }
    QPushButton* pgmButton(std::size_t pgm) const { return pgm_[pgm].button; }
    QCheckBox* stateBox(std::size_t bit) const { return stateBoxes_[bit]; }
    QLineEdit* rssiField() const { return rssi_; }
    QGroupBox* gprsGroup() const { return gprsGroup_; }
    QGroupBox* pgmGroup() const { return pgmGroup_; }
    QGroupBox* inputsGroup() const { return inputsGroup_; }

signals:
    void pgmClicked(int index);

private:
    struct ServerControls {
        QCheckBox* inUse = nullptr; // the secondary's "Secondary Server" box
        QComboBox* protocol = nullptr;
        QLineEdit* address = nullptr;
        QLineEdit* port = nullptr;
        QCheckBox* encrypt = nullptr;
        QCheckBox* staticKey = nullptr;
        QLineEdit* keepAlive = nullptr;
        QLineEdit* gprsKeepAlive = nullptr;
        std::vector<QWidget*> fields;     // enabled with the server
        std::vector<QWidget*> gprsFields; // the GPRS keep-alive and its labels
    };
    struct PgmControls {
        QPushButton* button = nullptr;
        QCheckBox* latch = nullptr;
        QLineEdit* time = nullptr;
        QComboBox* unit = nullptr;
        QLineEdit* eventCode = nullptr;
        std::vector<QWidget*> row;
    };
    struct SimControls {
        QLineEdit* apn = nullptr;
        QLineEdit* user = nullptr;
        QLineEdit* password = nullptr;
    };

    QWidget* buildModelInfo();
    QWidget* buildCommunicator();
    QWidget* buildNetwork();
    QWidget* buildServers();
    QWidget* buildEvents();
    QWidget* buildInputs();
    QWidget* buildPgms();
    QWidget* buildGprs();
    void buildServerColumn(QGridLayout& grid, int column, ServerControls& server);
    void updateLocalEnables();

    std::array<QLineEdit*, 8> info_{};
    QLineEdit* rssi_ = nullptr;
    std::array<QCheckBox*, 8> stateBoxes_{}; // by tavi_state bit

    QLineEdit* password_ = nullptr;
    QCheckBox* passwordEditable_ = nullptr;
    QLineEdit* account_ = nullptr;
    QLineEdit* port_ = nullptr;
    QCheckBox* portEditable_ = nullptr;
    QCheckBox* encrypt_ = nullptr;
    QCheckBox* checkForUpdates_ = nullptr;
    QCheckBox* dhcp_ = nullptr;
    std::array<QLineEdit*, tavi::kIpv4Count> ipv4_{};
    std::vector<QWidget*> networkFields_;
    std::array<ServerControls, tavi::kServerCount> servers_;
    QLineEdit* settingsUser_ = nullptr;
    QLineEdit* settingsPartition_ = nullptr;
    std::array<QLineEdit*, tavi::kLocalEventCount> localEvents_{};
    QGroupBox* inputsGroup_ = nullptr;
    std::array<QLineEdit*, tavi::kInputCount> inputEvents_{};
    QLineEdit* tamperEvent_ = nullptr;
    std::vector<QWidget*> inputRows_;
    std::vector<QWidget*> tamperRow_;
    QGroupBox* pgmGroup_ = nullptr;
    std::array<PgmControls, tavi::kPgmCount> pgm_;
    QGroupBox* gprsGroup_ = nullptr;
    std::array<SimControls, 2> sims_;
    QCheckBox* doubleSim_ = nullptr;
    QCheckBox* pgm1IfBlocked_ = nullptr;
    QCheckBox* pgm2IfBlocked_ = nullptr;
    std::array<QLineEdit*, tavi::kGprsEventCount> gprsEvents_{};
    std::vector<QWidget*> sim2Fields_;
    TaviCapabilities capabilities_;
};

} // namespace qarvo::gui
