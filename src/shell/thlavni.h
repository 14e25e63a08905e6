#pragma once
// The main window: the page tree of all calculators.
#include "model/model.h"
#include "model/registry.h"
#include "shell/binding.h"
#include "shell/gui_host.h"

#include <QMainWindow>

class QTabWidget;

namespace qvk::shell {

class Thlavni : public QMainWindow {
    Q_OBJECT
public:
    Thlavni(WindowModel& model, const Registry& registry, QWidget* parent = nullptr);
    ~Thlavni() override;

    WindowModel& model() const { return model_; }
    Binding& binding() { return binding_; }
    double scale() const { return scale_; }

private:
    QWidget* buildEquations();

    WindowModel& model_;
    const Registry& registry_;
    GuiHost host_;
    Binding binding_;
    double scale_ = 1.0;
};

} // namespace qvk::shell
