#pragma once
// The figure sheets of the page "Planimetrie".
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

// The sheet of a page name of `d2_page`, or null for a name it does not know.
QWidget* plane_sheet(const WindowModel& model, const QString& name, double scale);

} // namespace qvk::shell
