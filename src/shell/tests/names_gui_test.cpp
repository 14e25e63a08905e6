// Names fail loudly: the whole window is assembled and matched against the
// model and the handler registry both ways. A misspelled widget, field,
// handler or effect name otherwise just does nothing.
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/navigation.h"
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "equations/system.h"
#include "numbers/angles.h"
#include "numbers/bases.h"
#include "numbers/divisors.h"
#include "numbers/fractions.h"
#include "numbers/primes.h"
#include "shell/config_binding.h"
#include "shell/geometry.h"
#include "shell/grid_view.h"
#include "shell/thlavni.h"
#include "statistics/statistics.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <span>
#include <stdexcept>

namespace qvk::shell {
namespace {

// Declared on purpose without a widget of its own, with the reason.
const std::map<QString, const char*> kFieldsWithoutWidget = {
    {QStringLiteral("memo_zal"), "the statistics' hidden line buffer: never shown"},
};

// Buttons and check items that run no handler on purpose.
const std::map<QString, const char*> kClicksWithoutHandler = {
    {QStringLiteral("saveconf_end"), "the binding turns its mark over; read at exit"},
};

// Named widgets of the page tree that are not model fields.
std::map<QString, const char*> widgets_without_field()
{
    std::map<QString, const char*> out;
    for (const app::Page& p : app::page_table())
        if (p.picture && QLatin1String(p.set) == QLatin1String("d3_page"))
            out[QString::fromLatin1(p.name) + QStringLiteral("_obrazek")] =
                "a solid's large picture: the shell's own, fixed per sheet";
    return out;
}

std::string list(const QStringList& names) { return names.join(QStringLiteral(", ")).toStdString(); }

struct Window {
    WindowModel model;
    Registry registry;
    QTemporaryDir program, user; // the configuration's folders
    std::unique_ptr<Thlavni> window;
    QStringList started;

    Window()
    {
        app::assemble(model, registry);
        window = std::make_unique<Thlavni>(model, registry);
        window->setProgramStarter([](const QString& name) { return QStringLiteral("/usr/bin/") + name; },
                                  [this](const QString& path) {
                                      started.append(path);
                                      return true;
                                  });
        window->show();
        // Every page once on show, so that a page built when first shown is there too.
        for (const app::Page& p : app::page_table())
            if (!p.holds) {
                app::show_page(model, registry, QString::fromLatin1(p.name));
                QApplication::processEvents();
            }
        app::show_page(model, registry, 0, 0);
        QApplication::processEvents();
        // The configuration's commands come with it, bound after the first
        // activation so that no first-run box waits for an answer.
        new ConfigBinding(*window, config::Locations{program.path() + u'/', user.path() + u'/'}, [] {});
    }

    QWidget* tree() const { return window->findChild<QTabWidget*>(QString::fromLatin1(app::kTopSet)); }
    const Binding& binding() const { return window->binding(); }

    // The named widgets of the page tree (Qt's own parts aside).
    QList<QWidget*> namedWidgets() const
    {
        QList<QWidget*> out{tree()};
        for (QWidget* w : tree()->findChildren<QWidget*>()) {
            // Qt names the parts of its tab bars itself; a result field's
            // ellipsis mark is part of the field.
            if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") ||
                qobject_cast<QTabBar*>(w->parentWidget()) ||
                w->objectName() == w->parentWidget()->objectName() + QStringLiteral("_vypusteno"))
                continue;
            out.append(w);
        }
        return out;
    }
    // Every item of the menu bar (submenus and separators aside).
    QList<QAction*> menuItems() const
    {
        QList<QAction*> out;
        for (QAction* a : window->mainMenu().actions)
            if (!a->menu() && !a->isSeparator())
                out.append(a);
        return out;
    }
};

TEST(Names, EveryNamedWidgetIsABoundFieldAndEveryFieldHasItsWidget)
{
    Window w;
    ASSERT_NE(w.tree(), nullptr);
    const std::map<QString, const char*> own = widgets_without_field();
    QStringList unknown, unbound;
    for (QWidget* widget : w.namedWidgets()) {
        const QString name = widget->objectName();
        if (w.model.hasGrid(name) || own.contains(name))
            continue;
        if (!w.model.has(name))
            unknown.append(name);
        else if (w.binding().widget(name) != widget)
            unbound.append(name); // a second widget of the same name, or bound nowhere
    }
    for (const auto& [name, why] : own)
        EXPECT_NE(w.tree()->findChild<QWidget*>(name), nullptr) << name.toStdString() << ": " << why;
    EXPECT_TRUE(unknown.isEmpty()) << "widgets named after no field: " << list(unknown);
    EXPECT_TRUE(unbound.isEmpty()) << "widgets not bound to their field: " << list(unbound);

    QStringList missing;
    for (const Field& f : w.model.fields()) {
        const bool shown = w.binding().widget(f.name) || w.binding().action(f.name);
        if (shown == kFieldsWithoutWidget.contains(f.name))
            missing.append(f.name + (shown ? QStringLiteral(" (listed as without widget, but has one)") : QString()));
    }
    EXPECT_TRUE(missing.isEmpty()) << "fields without a widget: " << list(missing);

    QStringList grids;
    for (const QString& g : w.model.gridNames()) {
        auto* view = w.tree()->findChild<PubStrGridView*>(g);
        if (!view)
            grids.append(g);
    }
    EXPECT_TRUE(grids.isEmpty()) << "grids without a view: " << list(grids);
}

// A page laid out by hand takes each field's place from its descriptor: a
// field widget the page made by its name (the name written a second time)
// fails here, unless the page draws it itself on purpose.
TEST(Names, HandLaidPagesPlaceTheirFieldsFromTheirDescriptors)
{
    Window w;
    const double s = ui_scale(w.window->font());
    const struct {
        const char* page;
        std::span<const declare::Entry> fields;
    } pages[] = {
        {equations::kQuadraticPage, equations::quadratic_fields()},
        {equations::kCubicPage, equations::cubic_fields()},
        {equations::kSystemPage, equations::system_fields()},
        {numbers::kPrimesPage, numbers::primes_fields()},
        {numbers::kBasesPage, numbers::bases_fields()},
        {numbers::kFractionsPage, numbers::fractions_fields()},
        {numbers::kDivisorsPage, numbers::divisors_fields()},
        {numbers::kAnglesPage, numbers::angles_fields()},
        {statistics::kStatisticsPage, statistics::statistics_fields()},
    };
    // Widgets of their own kind, placed by their pages.
    QSet<QString> own{QString::fromLatin1(numbers::kAnglesTyped)};
    for (const numbers::Stacked& f : {numbers::kFractionResult, numbers::kFractionConverted})
        own += {QString::fromLatin1(f.numerator), QString::fromLatin1(f.bar), QString::fromLatin1(f.denominator)};

    for (const auto& p : pages) {
        const QWidget* page = w.tree()->findChild<QWidget*>(QString::fromLatin1(p.page));
        ASSERT_NE(page, nullptr) << p.page;
        for (const declare::Entry& e : p.fields) {
            const QString name = QString::fromUtf8(e.name);
            const QWidget* widget = w.binding().widget(name);
            if (!e.at.placed()) {
                EXPECT_TRUE(!widget || own.contains(name)) << p.page << ": " << e.name << " placed by its page";
                continue;
            }
            ASSERT_NE(widget, nullptr) << e.name;
            EXPECT_EQ(widget->parentWidget(), page) << e.name;
            EXPECT_EQ(widget->geometry(), QRect(scaled(e.at.x, s), scaled(e.at.y, s), scaled(e.at.w, s), scaled(e.at.h, s)))
                << e.name;
        }
    }
}

TEST(Names, EveryButtonAndMenuItemReachesItsCode)
{
    Window w;
    QStringList silent;
    auto check = [&](const QString& name) {
        const bool handled = w.registry.contains(name + QStringLiteral("Click"));
        if (handled == kClicksWithoutHandler.contains(name))
            silent.append(name + (handled ? QStringLiteral(" (listed as without handler, but has one)") : QString()));
    };
    for (QWidget* widget : w.namedWidgets())
        if (auto* b = qobject_cast<QAbstractButton*>(widget); b && w.model.has(b->objectName()))
            check(b->objectName());
    int items = 0;
    for (QAction* a : w.menuItems()) {
        ++items;
        if (!w.model.has(a->objectName())) {
            silent.append(a->objectName() + QStringLiteral(" (menu item of no field)"));
            continue;
        }
        check(a->objectName());
    }
    EXPECT_GT(items, 10);
    EXPECT_TRUE(silent.isEmpty()) << "buttons and menu items that run nothing: " << list(silent);
}

// The shell's own commands are handlers like the calculators': one name, one
// handler, gone with the window that runs them.
TEST(Names, TheShellsCommandsAreHandlersOfTheWindow)
{
    const QStringList own = {QStringLiteral("nastavClick"),      QStringLiteral("Konec1Click"),
                             QStringLiteral("oprog_buttonClick"), QStringLiteral("uloz_konfClick"),
                             QStringLiteral("delete_konfClick"), QStringLiteral("moreuser_onClick"),
                             QStringLiteral("moreuser_offClick"), QStringLiteral("zobraz_postupClick")};
    WindowModel model;
    Registry registry;
    app::assemble(model, registry);
    for (const QString& event : own)
        EXPECT_FALSE(registry.contains(event)) << event.toStdString();
    {
        QTemporaryDir program, user;
        Thlavni window(model, registry);
        new ConfigBinding(window, config::Locations{program.path() + u'/', user.path() + u'/'}, [] {});
        for (const QString& event : own)
            EXPECT_TRUE(registry.contains(event)) << event.toStdString();
        EXPECT_THROW(window.addCommand(QStringLiteral("nastav"), [] {}), std::logic_error);
        EXPECT_THROW(window.addCommand(QStringLiteral("kvreseni"), [] {}), std::logic_error);
    }
    for (const QString& event : own)
        EXPECT_FALSE(registry.contains(event)) << event.toStdString() << " outlives its window";
}

// The events that a widget of each kind fires, as the binding names them.
bool fires(const QObject* w, const QString& suffix)
{
    if (suffix == u"KeyUp")
        return qobject_cast<const QWidget*>(w);
    if (suffix == u"Click")
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAction*>(w);
    if (suffix == u"Change")
        return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
               qobject_cast<const QComboBox*>(w) || qobject_cast<const QSpinBox*>(w) ||
               qobject_cast<const QTabWidget*>(w) || qobject_cast<const QStackedWidget*>(w);
    return false;
}

TEST(Names, EveryHandlerIsWiredToAWidgetOfItsKind)
{
    Window w;
    const QStringList events = w.registry.events();
    ASSERT_FALSE(events.isEmpty());
    QStringList orphans;
    for (const QString& event : events) {
        bool wired = false;
        for (const QString& suffix : {QStringLiteral("Click"), QStringLiteral("Change"), QStringLiteral("KeyUp")}) {
            if (!event.endsWith(suffix))
                continue;
            const QString name = event.chopped(suffix.size());
            const QObject* target = w.binding().widget(name);
            if (!target)
                target = w.binding().action(name);
            // A grid's cells fire the change of the grid.
            if (!target && suffix == u"Change" && w.model.hasGrid(name))
                target = w.tree()->findChild<PubStrGridView*>(name);
            wired = target && (fires(target, suffix) || qobject_cast<const PubStrGridView*>(target));
        }
        if (!wired)
            orphans.append(event);
    }
    EXPECT_TRUE(orphans.isEmpty()) << "handlers that nothing in the window fires: " << list(orphans);
}

TEST(Names, EveryEventTheCalculatorTableNamesHasItsHandler)
{
    Window w;
    QStringList missing;
    auto need = [&](const QString& event) {
        if (!w.registry.contains(event))
            missing.append(event);
    };
    for (const app::Page& p : app::page_table()) {
        if (p.clear)
            need(QString::fromLatin1(p.clear) + QStringLiteral("Click"));
        if (p.loaded)
            need(QString::fromLatin1(p.loaded));
        if (p.frame) {
            need(app::selector_change(*p.frame));
            need(QString::fromLatin1(p.frame->compute) + QStringLiteral("Click"));
            need(QString::fromLatin1(p.frame->clear) + QStringLiteral("Click"));
        }
        if (p.kept) {
            EXPECT_TRUE(w.model.has(QString::fromLatin1(p.kept))) << p.kept;
        }
        if (p.declare) {
            EXPECT_NE(w.tree()->findChild<QWidget*>(QString::fromLatin1(p.name)), nullptr) << p.name;
        }
    }
    // Enter's buttons are handled, and a field's own button is a calculation
    // of the same page.
    for (const Field& f : w.model.fields()) {
        if (f.calculates)
            need(f.name + QStringLiteral("Click"));
        if (f.enter.isEmpty())
            continue;
        EXPECT_TRUE(w.model.has(f.enter) && w.model.field(f.enter).calculates) << f.name.toStdString();
        const QWidget* field = w.binding().widget(f.name);
        const QWidget* button = w.binding().widget(f.enter);
        const QWidget* page = field ? field->parentWidget() : nullptr;
        while (page && !qobject_cast<const QStackedWidget*>(page->parentWidget()))
            page = page->parentWidget();
        EXPECT_TRUE(page && button && page->isAncestorOf(button)) << f.enter.toStdString() << " is not on the page of "
                                                                  << f.name.toStdString();
    }
    EXPECT_TRUE(missing.isEmpty()) << "named by the calculator table, handled by nothing: " << list(missing);
}

// The registry's other names: key filters of fields, stop handlers of runs.
TEST(Names, EveryKeyFilterAndStopHandlerNamesWhatExists)
{
    Window w;
    QStringList unknown;
    for (const QString& field : w.registry.filteredFields()) {
        const bool typed = w.model.has(field) ? qobject_cast<QLineEdit*>(w.binding().widget(field)) ||
                                                    qobject_cast<QPlainTextEdit*>(w.binding().widget(field)) ||
                                                    qobject_cast<QSpinBox*>(w.binding().widget(field))
                                              : w.model.hasGrid(field);
        if (!typed)
            unknown.append(field + QStringLiteral(" (key filter)"));
    }
    const QStringList runs = w.registry.stoppableEvents();
    EXPECT_FALSE(runs.isEmpty());
    for (const QString& event : runs) {
        if (!w.registry.contains(event))
            unknown.append(event + QStringLiteral(" (stopped, never run)"));
        if (!w.registry.contains(w.registry.stopHandler(event)))
            unknown.append(w.registry.stopHandler(event) + QStringLiteral(" (stop of ") + event + u')');
    }
    EXPECT_TRUE(unknown.isEmpty()) << "names the registry holds for nothing: " << list(unknown);
}

// Every effect that any handler asks for on any page, run by the window.
TEST(Names, EveryEffectIsOneTheWindowKnows)
{
    QSet<QString> effects;
    const QStringList events = [] {
        WindowModel m;
        Registry r;
        app::assemble(m, r);
        return r.events();
    }();
    for (const app::Page& p : app::page_table()) {
        if (p.holds)
            continue;
        for (const QString& event : events) {
            WindowModel m;
            Registry r;
            RecordingHost h;
            app::assemble(m, r);
            m.setHost(&h);
            app::show_page(m, r, QString::fromLatin1(p.name));
            // The long runs end at their first step.
            h.onPoll = [&m](int) {
                for (const app::Page& q : app::page_table())
                    if (q.stop)
                        m.stop(QString::fromLatin1(q.stop)) = true;
            };
            run_required(m, r, event);
            for (const QString& e : h.effects)
                effects.insert(e);
        }
    }
    // Each page's help topic is among them.
    EXPECT_GE(effects.size(), 20);
    Window w;
    QStringList unknown;
    for (const QString& e : effects) {
        try {
            const Effect effect = Effect::named(e);
            EXPECT_EQ(effect.name(), e);
            w.window->runEffect(effect);
        } catch (const std::logic_error&) {
            unknown.append(e);
        }
    }
    EXPECT_TRUE(unknown.isEmpty()) << "effects the window does not know: " << list(unknown);
    // A name outside the set, or a help page the help does not have, is an error.
    for (const char* name : {"help", "help:", "start:calculator", "listing", ""})
        EXPECT_THROW(Effect::named(QString::fromLatin1(name)), std::logic_error) << name;
    EXPECT_THROW(w.window->runEffect(Effect::help(QStringLiteral("kvadraticka.htm"))), std::logic_error);
    EXPECT_THROW(w.window->runEffect(Effect{static_cast<Effect::Kind>(7), {}}), std::logic_error);
    EXPECT_NO_THROW(w.window->runEffect(Effect::help(QStringLiteral("index"))));

    // A help topic names an anchor that its page has.
    QStringList anchors;
    for (const QString& e : effects) {
        if (!e.startsWith(u"help:") || !e.contains(u'#'))
            continue;
        const QString page = e.mid(5).section(u'#', 0, 0);
        const QString anchor = e.section(u'#', 1);
        QFile f(QStringLiteral(":/help/") + page);
        if (!f.open(QIODevice::ReadOnly) ||
            !QString::fromUtf8(f.readAll()).contains(QStringLiteral("id=\"%1\"").arg(anchor)))
            anchors.append(e);
    }
    EXPECT_TRUE(anchors.isEmpty()) << "help topics without their anchor: " << list(anchors);
}

} // namespace
} // namespace qvk::shell
