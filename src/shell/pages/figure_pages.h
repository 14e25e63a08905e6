#pragma once
#include "model/model.h"

#include <QWidget>

class QTabWidget;

namespace qvk::shell {

// "Planimetrie": the figure selector with its picture, the clear and compute
// buttons and the sheets in a page set without tabs.
class PlanePage : public QWidget {
    Q_OBJECT
public:
    PlanePage(const WindowModel& model, double scale, QWidget* parent = nullptr);
    QTabWidget* sheets() const { return sheets_; }

private:
    QTabWidget* sheets_ = nullptr;
};

// "Stereometrie": the same frame for the solids.
class SolidPage : public QWidget {
    Q_OBJECT
public:
    SolidPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
    QTabWidget* sheets() const { return sheets_; }

private:
    QTabWidget* sheets_ = nullptr;
};

} // namespace qvk::shell
