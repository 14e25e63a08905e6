#include "model/declare.h"

namespace qvk::declare {

namespace {

Field make(Kind kind, const char* name, const char* caption, const char* hint)
{
    Field f;
    f.name = QString::fromUtf8(name);
    f.kind = kind;
    f.caption = QString::fromUtf8(caption);
    f.hint = QString::fromUtf8(hint);
    return f;
}

Field field_of(const Entry& s)
{
    Field f;
    switch (s.role) {
    case Entry::Input:
    case Entry::Output:
        f = make(Kind::Edit, s.name, s.caption, s.hint);
        f.text = QString::fromUtf8(s.text);
        f.readOnly = s.role == Entry::Output;
        if (s.role == Entry::Input) {
            f.maxLength = s.maxLength;
            f.reported = s.reported;
        }
        break;
    case Entry::Text:
        f = make(Kind::Label, s.name, s.caption, s.hint);
        f.text = QString::fromUtf8(s.text);
        f.reported = s.reported;
        f.width = s.width;
        break;
    case Entry::Area:
        f = make(Kind::Memo, s.name, "", s.hint);
        f.text = QString::fromUtf8(s.text);
        f.readOnly = s.readOnly;
        break;
    case Entry::Press:
        f = make(Kind::Button, s.name, s.caption, s.hint);
        f.enabled = s.enabled;
        f.reported = s.reported;
        f.calculates = s.calculates;
        break;
    case Entry::Choice:
        f = make(Kind::List, s.name, s.caption, s.hint);
        for (const char* item : s.items)
            f.items.append(QString::fromUtf8(item));
        f.value = s.selected;
        break;
    case Entry::Switch:
    case Entry::Option:
        f = make(Kind::Check, s.name, s.caption, s.hint);
        f.value = s.selected != 0 ? 1 : 0;
        break;
    case Entry::Spin:
        f = make(Kind::Spin, s.name, s.caption, s.hint);
        f.minimum = s.minimum;
        f.maximum = s.maximum;
        f.value = s.selected;
        f.maxLength = s.maxLength;
        break;
    }
    if (s.enter)
        f.enter = QString::fromUtf8(s.enter);
    return f;
}

} // namespace

const Field& label(WindowModel& m, const char* name, const char* text, const char* hint, const char* caption)
{
    return m.add(field_of({.role = Entry::Text, .name = name, .caption = caption, .hint = hint, .text = text}));
}

const Field& button(WindowModel& m, const char* name, const char* caption, const char* hint, bool enabled,
                    unsigned reported)
{
    return m.add(field_of(
        {.role = Entry::Press, .name = name, .caption = caption, .hint = hint, .enabled = enabled, .reported = reported}));
}

const Field& check(WindowModel& m, const char* name, const char* caption, bool checked, const char* hint)
{
    return m.add(field_of({.role = Entry::Switch, .name = name, .caption = caption, .hint = hint, .selected = checked}));
}

void declare_all(WindowModel& m, std::span<const Entry> fields)
{
    for (const Entry& s : fields)
        m.add(field_of(s));
}

void clear_marked(WindowModel& m, std::span<const Entry> fields)
{
    for (const Entry& s : fields)
        if (s.cleared)
            m.setText(QString::fromUtf8(s.name), QString());
}

} // namespace qvk::declare
