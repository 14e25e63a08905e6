#include "shell/pages/fields.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace qvk::shell {

namespace {

using declare::Entry;
using declare::Place;

void place_at(QWidget* w, const Place& at, double s) { place(w, at.x, at.y, at.w, at.h, s); }

void flow(QLabel* l, Place::Flow f)
{
    if (f == Place::Right)
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else if (f == Place::Wrapped)
        l->setWordWrap(true);
}

QWidget* widget_of(QWidget* page, const Entry& e)
{
    switch (e.role) {
    case Entry::Input:
    case Entry::Output: {
        auto* edit = make<QLineEdit>(page, e.name);
        if (e.at.flow == Place::Right)
            edit->setAlignment(Qt::AlignRight);
        return edit;
    }
    case Entry::Text: {
        auto* l = make<QLabel>(page, e.name);
        flow(l, e.at.flow);
        return l;
    }
    case Entry::Area: {
        // Values one a line: long lines scroll rather than wrap.
        auto* area = make<QPlainTextEdit>(page, e.name);
        area->setLineWrapMode(QPlainTextEdit::NoWrap);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return area;
    }
    case Entry::Press: {
        auto* b = make<QPushButton>(page, e.name);
        if (*e.icon)
            b->setIcon(picture(QString::fromUtf8(e.icon)));
        return b;
    }
    case Entry::Choice: return make<QComboBox>(page, e.name);
    case Entry::Switch: return make<QCheckBox>(page, e.name);
    case Entry::Option: return make<QRadioButton>(page, e.name);
    case Entry::Spin: return make<QSpinBox>(page, e.name);
    }
    return nullptr;
}

} // namespace

void build_fields(QWidget* page, const WindowModel& m, std::span<const Entry> fields, double s)
{
    for (const Entry& e : fields) {
        if (!e.at.placed())
            continue;
        if (e.captionAt.placed()) {
            QLabel* caption = caption_label(page, m, e.name);
            flow(caption, e.captionAt.flow);
            place_at(caption, e.captionAt, s);
        }
        place_at(widget_of(page, e), e.at, s);
        if (*e.unit) {
            QLabel* unit = text_label(page, QString::fromUtf8(e.unit));
            unit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            place(unit, e.at.x + e.at.w + 2, e.at.y - 2, 34, 20, s);
        }
    }
}

} // namespace qvk::shell
