#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Dělitel a násobek".
class DivisorsPage : public QWidget {
    Q_OBJECT
public:
    DivisorsPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
