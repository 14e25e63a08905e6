#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Statistika".
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    StatisticsPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
