#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Číselné soustavy".
class BasesPage : public QWidget {
    Q_OBJECT
public:
    BasesPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
