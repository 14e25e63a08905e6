#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Dělitel a násobek".
class DivisorsPage : public QWidget {
    Q_OBJECT
public:
    DivisorsPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
