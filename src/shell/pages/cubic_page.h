#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Kubická rovnice".
class CubicPage : public QWidget {
    Q_OBJECT
public:
    CubicPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
