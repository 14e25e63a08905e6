#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Kubická rovnice".
class CubicPage : public QWidget {
    Q_OBJECT
public:
    CubicPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
