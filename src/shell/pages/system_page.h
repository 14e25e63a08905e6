#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Soustava rovnic": the number of equations, the input grid and
// the result grid.
class SystemPage : public QWidget {
    Q_OBJECT
public:
    SystemPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
