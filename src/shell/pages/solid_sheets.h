#pragma once
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The sheet of one solid page (`krychle_desk`, ...): its fields in two
// columns and the solid's picture with the quantities marked; null for a
// page that is not a solid's.
QWidget* make_solid_sheet(const WindowModel& model, const QString& page, double scale);

} // namespace qvk::shell
