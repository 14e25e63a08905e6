#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The page "Prvočísla".
class PrimesPage : public QWidget {
    Q_OBJECT
public:
    PrimesPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
