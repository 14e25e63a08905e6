#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Statistika".
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    StatisticsPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
