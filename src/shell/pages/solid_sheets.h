#pragma once
#include "model/model.h"
#include "stereometry/solids.h"

#include <QWidget>

namespace qvk::shell {

// The sheet of one solid (`krychle_desk`, ...): its fields in two columns and
// the solid's picture with the quantities marked.
class SolidSheet : public QWidget {
    Q_OBJECT
public:
    SolidSheet(const stereometry::Solid& solid, const WindowModel& model, double scale, QWidget* parent = nullptr);
};

template <stereometry::SolidOf S>
QWidget* solid_sheet(const WindowModel& model, double scale)
{
    return new SolidSheet(S(), model, scale);
}

} // namespace qvk::shell
