#pragma once
// The settings dialog "Nastavení": decimal places and the listing switches.
#include "model/model.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace qvk::shell {

class Tnastaveni : public QDialog {
    Q_OBJECT
public:
    Tnastaveni(WindowModel& model, double scale, QWidget* mainWindow);

    // Loads the current settings, centres on the main window and runs modally.
    int open_settings();
    // Loads the current settings into the controls.
    void load();
    // OK: copies the controls to the settings.
    void accept() override;

    QSpinBox* places() const { return zao_spin_; }
    QSpinBox* secondsPlaces() const { return zao_uv_spin_; }
    QCheckBox* solutionListing() const { return vypis_res_; }
    QCheckBox* systemListing() const { return vypis_ano_; }
    QComboBox* displaySizes() const { return velikost_; }

    // The display size chosen, in per cent; the configuration keeps it.
    int displaySize() const { return displaySize_; }
    void setDisplaySize(int percent) { displaySize_ = percent; }

signals:
    // OK with another display size than before.
    void displaySizeChosen(int percent);

private:
    WindowModel& model_;
    QSpinBox* zao_spin_ = nullptr;
    QSpinBox* zao_uv_spin_ = nullptr;
    QCheckBox* vypis_res_ = nullptr;
    QCheckBox* vypis_ano_ = nullptr;
    QComboBox* velikost_ = nullptr;
    int displaySize_ = 100;
};

// Centres a window on another one.
void centre_on(QWidget* window, const QWidget* on);

} // namespace qvk::shell
