#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Kvadratické (ne)rovnice".
class QuadraticPage : public QWidget {
    Q_OBJECT
public:
    QuadraticPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
