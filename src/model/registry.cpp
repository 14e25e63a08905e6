#include "model/registry.h"
#include "core/errors.h"
#include "core/fpu.h"

#include <new>
#include <stdexcept>

namespace qvk {

void Registry::add(const QString& event, Handler handler) { handlers_.insert(event, std::move(handler)); }

const Handler* Registry::find(const QString& event) const
{
    auto it = handlers_.constFind(event);
    return it == handlers_.constEnd() ? nullptr : &it.value();
}

QStringList Registry::events() const
{
    QStringList out = handlers_.keys();
    out.sort();
    return out;
}

void Registry::addKeyFilter(const QString& field, KeyFilter filter) { filters_.insert(field, std::move(filter)); }

void Registry::keepKeys(const QString& field)
{
    addKeyFilter(field, [](WindowModel&, QChar key) { return std::optional<QChar>(key); });
}

const KeyFilter* Registry::keyFilter(const QString& field) const
{
    auto it = filters_.constFind(field);
    return it == filters_.constEnd() ? nullptr : &it.value();
}

std::optional<QChar> Registry::filterKey(WindowModel& model, const QString& field, QChar key) const
{
    if (const KeyFilter* filter = keyFilter(field))
        return (*filter)(model, key);
    // Numbers are read with a decimal comma; the keypad's decimal key types
    // a point in most layouts. Fields read otherwise have their own filter.
    if (key == u'.' && model.has(field)) {
        const Field& f = model.field(field);
        if ((f.kind == Kind::Edit || f.kind == Kind::Memo) && !f.readOnly)
            return QChar(u',');
    }
    return key;
}

void Registry::setStopHandler(const QString& event, const QString& stopEvent) { stops_.insert(event, stopEvent); }

void Registry::initialize(WindowModel& model) const
{
    for (const Handler& init : inits_)
        init(model);
}

void run_guarded(WindowModel& model, const std::function<void()>& work)
{
    QString error;
    bool failed = false;
    {
        // A handler may run inside another one's event processing: keep the
        // outer run's pending flags for it.
        FpuFlagsKept outer;
        fpu_clear();
        model.startRun();
        try {
            work();
            fpu_check();
        } catch (const Exception& e) {
            failed = true;
            error = e.message();
        } catch (const std::bad_alloc&) {
            failed = true;
            error = QStringLiteral("Out of memory");
        } catch (const std::exception& e) {
            failed = true;
            error = QString::fromUtf8(e.what());
        }
    }
    if (failed) {
        const QString shown = error_display_text(error);
        model.explainRefusal(shown);
        model.showMessage(Message::Kind::Error, kAppTitle, shown);
    }
}

bool run_handler(WindowModel& model, const Registry& registry, const QString& event)
{
    const Handler* handler = registry.find(event);
    if (!handler)
        return false;
    run_guarded(model, [&] { (*handler)(model); });
    return true;
}

void run_required(WindowModel& model, const Registry& registry, const QString& event)
{
    if (!run_handler(model, registry, event))
        throw std::logic_error("no handler for the event \"" + event.toStdString() + '"');
}

void run_if_handled(WindowModel& model, const Registry& registry, const QString& event)
{
    if (registry.contains(event))
        (void)run_handler(model, registry, event);
}

namespace {

// What one key that passed the filter does at the end of a text; empty when
// the text stays as it is.
std::optional<QString> key_at_end(const QString& text, QChar key, bool multiline, int maxLength)
{
    if (key == u'\b')
        return text.isEmpty() ? std::nullopt : std::optional<QString>(text.chopped(1));
    if (key.unicode() < 0x20 || key.unicode() == 0x7f) {
        if (!(multiline && key == u'\n'))
            return std::nullopt;
    }
    if (maxLength > 0 && text.size() >= maxLength)
        return std::nullopt;
    return text + key;
}

} // namespace

void type_text(WindowModel& model, const Registry& registry, const QString& field, const QString& text,
               bool multiline, int maxLength, const std::function<QString()>& read,
               const std::function<void(const QString&)>& write)
{
    const QString change = field + QStringLiteral("Change");
    for (const QChar key : text) {
        const std::optional<QChar> c = registry.filterKey(model, field, key);
        if (!c)
            continue;
        const QString before = read();
        const std::optional<QString> after = key_at_end(before, *c, multiline, maxLength);
        if (!after)
            continue;
        write(*after);
        if (read() != before)
            run_if_handled(model, registry, change);
    }
}

void type_text(WindowModel& model, const Registry& registry, const QString& field, const QString& text)
{
    const Field& f = model.field(field);
    type_text(
        model, registry, field, text, f.kind == Kind::Memo, f.maxLength, [&] { return model.text(field); },
        [&](const QString& t) { model.setText(field, t); });
}

} // namespace qvk
