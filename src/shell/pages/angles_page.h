#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Úhly".
class AnglesPage : public QWidget {
    Q_OBJECT
public:
    AnglesPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
