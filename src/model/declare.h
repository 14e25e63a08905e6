#pragma once
// Declaring the fields of a page: one call per widget. Texts are UTF-8.
// Each returns the field as declared, for the rare property set afterwards.
#include "model/model.h"

namespace qvk::declare {

// An edit field the user types into.
const Field& edit(WindowModel& m, const char* name, const char* caption, const char* hint, const char* text = "",
                  int maxLength = 0);
// A read-only result field.
const Field& result(WindowModel& m, const char* name, const char* caption, const char* hint = "",
                    const char* text = "");
// A label whose text a calculator may change.
const Field& label(WindowModel& m, const char* name, const char* text, const char* hint = "",
                   const char* caption = "");
// A multi-line text area; `text` holds its lines, each ended by '\n'.
const Field& memo(WindowModel& m, const char* name, const char* hint, const char* text = "", bool readOnly = false);
const Field& button(WindowModel& m, const char* name, const char* caption, const char* hint = "",
                    bool enabled = true, unsigned reported = PropNone);
const Field& list(WindowModel& m, const char* name, const char* caption, const char* hint,
                  std::initializer_list<const char*> items, int selected = 0);
const Field& check(WindowModel& m, const char* name, const char* caption, bool checked, const char* hint = "");

} // namespace qvk::declare
