#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The top page "Rovnice": the page set `rov1`, drawn as buttons.
class EquationsPage : public QWidget {
    Q_OBJECT
public:
    EquationsPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
