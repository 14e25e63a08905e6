#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The top page "Čísla": the page set `cisla1`, drawn as buttons.
class NumbersPage : public QWidget {
    Q_OBJECT
public:
    NumbersPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
