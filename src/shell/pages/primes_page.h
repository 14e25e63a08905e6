#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Prvočísla".
class PrimesPage : public QWidget {
    Q_OBJECT
public:
    PrimesPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
