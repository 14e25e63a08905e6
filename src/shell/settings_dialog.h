#pragma once
// The settings dialog "Nastavení": decimal places and the listing switches.
#include "model/model.h"

#include <QDialog>

class QCheckBox;
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

private:
    WindowModel& model_;
    QSpinBox* zao_spin_ = nullptr;
    QSpinBox* zao_uv_spin_ = nullptr;
    QCheckBox* vypis_res_ = nullptr;
    QCheckBox* vypis_ano_ = nullptr;
};

// Centres a window on another one.
void centre_on(QWidget* window, const QWidget* on);

} // namespace qvk::shell
