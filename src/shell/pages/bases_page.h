#pragma once
#include <QWidget>

namespace qvk::shell {

// The page "Číselné soustavy".
class BasesPage : public QWidget {
    Q_OBJECT
public:
    BasesPage(double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
