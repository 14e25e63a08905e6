#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Úhly".
class AnglesPage : public QWidget {
    Q_OBJECT
public:
    AnglesPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
