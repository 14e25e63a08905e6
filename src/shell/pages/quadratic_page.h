#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Kvadratické (ne)rovnice".
class QuadraticPage : public QWidget {
    Q_OBJECT
public:
    QuadraticPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
