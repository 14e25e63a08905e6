#pragma once
// The calculators' handlers by event name ("kvreseniClick", "rovniceChange"),
// the key filters of fields, and what starts a fresh window.
#include "model/model.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace qvk {

using Handler = std::function<void(WindowModel&)>;
// Returns the character to insert, or nothing to drop the key.
using KeyFilter = std::function<std::optional<QChar>(WindowModel&, QChar)>;

class Registry {
public:
    Registry() = default;
    // Its handlers may capture the registry itself: never copied or moved.
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    void add(const QString& event, Handler handler);
    void remove(const QString& event) { handlers_.remove(event); }
    const Handler* find(const QString& event) const;
    bool contains(const QString& event) const { return handlers_.contains(event); }
    // Every event with a handler, sorted (for the tests that match names both ways).
    QStringList events() const;

    void addKeyFilter(const QString& field, KeyFilter filter);
    // A field read as whole numbers: every key types itself (a point is no
    // decimal point there and stays as it is).
    void keepKeys(const QString& field);
    const KeyFilter* keyFilter(const QString& field) const;
    // Every field with a key filter (for the tests that match names).
    QStringList filteredFields() const { return filters_.keys(); }
    // A key typed into the field: the character its filter makes of it, or
    // nothing when the filter drops it (a field without a filter keeps it).
    std::optional<QChar> filterKey(WindowModel& model, const QString& field, QChar key) const;

    // The stop button handler that ends a long run started by `event`.
    void setStopHandler(const QString& event, const QString& stopEvent);
    QString stopHandler(const QString& event) const { return stops_.value(event); }
    // Every event with a stop handler.
    QStringList stoppableEvents() const { return stops_.keys(); }

    // Steps that bring a freshly declared window to its state after start.
    void addInitializer(Handler init) { inits_.push_back(std::move(init)); }
    void initialize(WindowModel& model) const;

private:
    QHash<QString, Handler> handlers_;
    QHash<QString, KeyFilter> filters_;
    QHash<QString, QString> stops_;
    std::vector<Handler> inits_;
};

// Runs one handler as the window does for a user action: an error of any kind
// ends the handler and reaches the error display. Returns false when the
// event has no handler: a name that should have one is a programming error
// that the caller reports (the window's optional events use run_if_handled).
[[nodiscard]] bool run_handler(WindowModel& model, const Registry& registry, const QString& event);

// The same for an event that must have a handler: a name without one is a
// programming error (std::logic_error), never silently nothing.
void run_required(WindowModel& model, const Registry& registry, const QString& event);

// The same for an event that may have no handler (a field's change or key
// release that no calculator listens to): nothing runs then.
void run_if_handled(WindowModel& model, const Registry& registry, const QString& event);

// Runs `work` under the same error display (for the shell's own commands).
void run_guarded(WindowModel& model, const std::function<void()>& work);

// Types characters at the end of a field as the keyboard would: key filter,
// character limit, change handler after every character that changed the text.
// Backspace takes the last character away, a line break is one only in a
// multi-line text, other control keys type nothing.
void type_text(WindowModel& model, const Registry& registry, const QString& field, const QString& text);

// The same for a text that `read` and `write` reach (a grid's cell): `field`
// names the key filter and the change handler.
void type_text(WindowModel& model, const Registry& registry, const QString& field, const QString& text,
               bool multiline, int maxLength, const std::function<QString()>& read,
               const std::function<void(const QString&)>& write);

} // namespace qvk
