#pragma once
#include "model/declare.h"
#include "model/model.h"

#include <span>

class QWidget;

namespace qvk::shell {

// Builds on `page` every field of `fields` that has a place (`at`), in the
// descriptor's order, which is the tab order: the label with its caption
// where it has a place, the widget its role asks for, named after the field,
// and the unit after it.
void build_fields(QWidget* page, const WindowModel& model, std::span<const declare::Entry> fields, double scale);

} // namespace qvk::shell
