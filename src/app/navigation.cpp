#include "app/navigation.h"
#include "app/calculators.h"
#include "model/declare.h"

namespace qvk::app {

namespace {

QString name(const char* text) { return QString::fromLatin1(text); }

void page_set(WindowModel& m, const QString& set)
{
    Field pages;
    pages.name = set;
    pages.kind = Kind::Pages;
    pages.value = 0;
    for (const Page* p : pages_of(set)) {
        pages.items.append(name(p->name));
        Field page;
        page.name = name(p->name);
        page.kind = Kind::Page;
        page.caption = QString::fromUtf8(p->caption);
        m.add(page);
    }
    m.add(pages);
}

// The selector lists the sheets' captions in item order; the picture box's
// text is the name of the picture shown.
void declare_frame(WindowModel& m, const Page& holder)
{
    const Frame& f = *holder.frame;
    Field selector;
    selector.name = name(f.selector);
    selector.kind = Kind::List;
    selector.hint = QString::fromUtf8(f.hint);
    const QList<const Page*> sheets = pages_of(name(holder.holds));
    for (int item = 0; item < sheets.size(); ++item)
        selector.items.append(QString::fromUtf8(sheets[page_of_item(name(holder.holds), item)]->caption));
    m.add(selector);
    declare::label(m, f.icon, "");
    declare::button(m, f.clear, "", "Vymaže všechna vstupní pole");
    declare::button(m, f.compute, "&Vypočti", "Provede zadaný výpočet");
}

// The sheet of a frame on show, or null.
const Page* sheet_on_show(const WindowModel& m, const Page& holder)
{
    const QList<const Page*> sheets = pages_of(name(holder.holds));
    const int page = m.index(name(holder.holds));
    return page < 0 || page >= sheets.size() ? nullptr : sheets[page];
}

void show_chosen_sheet(WindowModel& m, const Page& holder)
{
    const QString set = name(holder.holds);
    const int page = page_of_item(set, m.index(name(holder.frame->selector)));
    if (page < 0)
        return;
    m.setIndex(set, page);
    m.setText(name(holder.frame->icon), name(pages_of(set)[page]->picture));
}

} // namespace

void declare_navigation(WindowModel& m)
{
    page_set(m, name(kTopSet));
    for (const Page& p : page_table()) {
        if (!p.holds)
            continue;
        if (p.frame)
            declare_frame(m, p);
        page_set(m, name(p.holds));
    }
}

void register_navigation(Registry& r)
{
    for (const Page& p : page_table()) {
        if (!p.frame)
            continue;
        const Page* holder = &p;
        r.add(selector_change(*p.frame), [holder](WindowModel& m) { show_chosen_sheet(m, *holder); });
        // The frame's buttons act on the sheet on show.
        r.add(name(p.frame->compute) + QStringLiteral("Click"), [holder](WindowModel& m) {
            if (const Page* sheet = sheet_on_show(m, *holder); sheet && sheet->compute)
                sheet->compute(m);
        });
        r.add(name(p.frame->clear) + QStringLiteral("Click"), [holder](WindowModel& m) {
            if (const Page* sheet = sheet_on_show(m, *holder); sheet && sheet->empty) {
                sheet->empty(m);
                m.undraw(name(sheet->name));
            }
        });
    }
    // After a start every selector shows its sheet and picture.
    r.addInitializer([&r](WindowModel& m) {
        for (const Page& p : page_table())
            if (p.frame)
                run_required(m, r, selector_change(*p.frame));
    });
}

std::optional<QString> help_anchor(const WindowModel& m)
{
    const Page* page = page_on_show(m);
    if (!page || !page->anchor)
        return std::nullopt;
    return name(page->anchor);
}

void show_page(WindowModel& m, const Registry& r, int top, int inner)
{
    m.setIndex(name(kTopSet), top);
    const QList<const Page*> tops = pages_of(name(kTopSet));
    if (top < 0 || top >= tops.size() || !tops[top]->holds)
        return;
    const Page& holder = *tops[top];
    if (!holder.frame) {
        m.setIndex(name(holder.holds), inner);
        return;
    }
    m.setIndex(name(holder.frame->selector), item_of_page(name(holder.holds), inner));
    run_required(m, r, selector_change(*holder.frame));
}

void show_page(WindowModel& m, const Registry& r, const QString& page)
{
    const Page* p = find_page(page);
    if (!p)
        return;
    const Page* holder = holder_of(*p);
    const Page* top = holder ? holder : p;
    const int inner = holder ? static_cast<int>(pages_of(name(p->set)).indexOf(p)) : 0;
    show_page(m, r, static_cast<int>(pages_of(name(kTopSet)).indexOf(top)), inner);
}

} // namespace qvk::app
