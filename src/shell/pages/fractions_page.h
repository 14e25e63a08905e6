#pragma once
#include "model/model.h"

#include <QFrame>
#include <QWidget>

class QLabel;

namespace qvk::shell {

// The bar of a stacked fraction. The calculator sets its width; the
// numerator and the denominator are centred over and under it.
class FractionBar : public QFrame {
    Q_OBJECT
public:
    // Places the digits above and below the bar.
    void fit();
    FractionBar(QWidget* parent, const char* name, QLabel* numerator, QLabel* denominator);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QLabel* numerator_;
    QLabel* denominator_;
};

// The page "Zlomky".
class FractionsPage : public QWidget {
    Q_OBJECT
public:
    FractionsPage(const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
