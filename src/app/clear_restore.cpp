#include "app/clear_restore.h"
#include "app/calculators.h"

#include <memory>
#include <utility>
#include <vector>

namespace qvk::app {

namespace {

// One level: the last clear that emptied something.
struct Cleared {
    const Page* page = nullptr; // on show when it was cleared
    std::vector<std::pair<QString, QString>> before; // what the clear changed, as it was
    bool busy = false; // clearing or restoring: its own changes do not count

    void forget()
    {
        page = nullptr;
        before.clear();
    }
};

struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
};

void show_restorable(WindowModel& m, const Cleared& c)
{
    const QString item = QString::fromLatin1(kRestoreItem);
    const bool can = c.page && page_on_show(m) == c.page;
    if (m.enabled(item) != can)
        m.setEnabled(item, can);
}

// Something typed or computed, not a page or a selection shown.
bool changes_content(const WindowModel& m, const QString& name)
{
    if (m.hasGrid(name))
        return true;
    if (!m.has(name))
        return false;
    const Kind kind = m.field(name).kind;
    return kind == Kind::Edit || kind == Kind::Memo || kind == Kind::Check || kind == Kind::Spin;
}

} // namespace

void keep_cleared_pages(WindowModel& model, Registry& registry)
{
    auto cleared = std::make_shared<Cleared>();
    QStringList events;
    for (const Page& p : page_table()) {
        const char* button = p.frame ? p.frame->clear : p.clear;
        if (button && !events.contains(QString::fromLatin1(button) + QStringLiteral("Click")))
            events.append(QString::fromLatin1(button) + QStringLiteral("Click"));
    }
    for (const QString& event : events) {
        const Handler* found = registry.find(event);
        if (!found)
            continue;
        registry.add(event, [cleared, clear = *found](WindowModel& m) {
            auto before = m.snapshot();
            {
                Busy busy(cleared->busy);
                clear(m);
            }
            const auto after = m.snapshot();
            std::vector<std::pair<QString, QString>> changed;
            for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
                if (before[i].second != after[i].second)
                    changed.push_back(std::move(before[i]));
            // Clearing an empty page keeps what the last clear took.
            if (!changed.empty()) {
                cleared->page = page_on_show(m);
                cleared->before = std::move(changed);
            }
            show_restorable(m, *cleared);
        });
    }
    registry.add(QString::fromLatin1(kRestoreItem) + QStringLiteral("Click"), [cleared](WindowModel& m) {
        if (!cleared->page || page_on_show(m) != cleared->page)
            return;
        {
            Busy busy(cleared->busy);
            for (const auto& [key, text] : cleared->before)
                m.setValueText(key, text);
        }
        cleared->forget();
        show_restorable(m, *cleared);
    });
    model.observe([cleared, m = &model](const QString& name) {
        if (cleared->busy)
            return;
        if (cleared->page && changes_content(*m, name))
            cleared->forget();
        show_restorable(*m, *cleared);
    });
    show_restorable(model, *cleared);
}

} // namespace qvk::app
