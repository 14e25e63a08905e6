#pragma once
// The window model: every field of the main window by its widget name. The
// calculators read and write only this; the desktop window and the batch
// runner bind to it.
#include "grid/pub_str_grid.h"
#include "model/postup.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <any>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <vector>

namespace qvk {

enum class Kind {
    Edit,   // single-line edit field (text)
    Label,  // text shown, never typed
    Memo,   // multi-line text area (whole text, lines ended by '\n')
    List,   // drop-down list (selected index)
    Pages,  // page set (selected page index)
    Check,  // check box or radio button (0/1)
    Spin,   // spin box (value, clamped to minimum..maximum)
    Button, // push button (no value)
    Page,   // one page of a page set (caption only)
};

// Properties that calculators change and that are reported beside the value.
enum Prop : unsigned {
    PropNone = 0,
    PropEnabled = 1,
    PropVisible = 2,
    PropHint = 4,
    PropWidth = 8,
    PropLeft = 16,
};

struct Field {
    QString name;
    Kind kind = Kind::Edit;
    QString text;       // Edit, Label, Memo
    int value = 0;      // List, Pages: index (-1 none); Check: 0/1; Spin: value
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    QString hint;
    QString caption;    // the widget's own caption, or the label beside it
    int width = 0;
    int left = 0;
    int maxLength = 0;  // characters; 0 = no limit
    int minimum = 0;    // Spin
    int maximum = 0;    // Spin
    QStringList items;  // List items
    unsigned reported = PropNone;
    bool calculates = false; // Button: Enter presses it from its page
    QString enter;           // the button Enter presses in this field, if its own
    // Size of the text before the last change when that change only appended
    // (lets a view add the new part instead of redrawing); -1 otherwise.
    qsizetype appendedFrom = -1;
};

// A table of cell texts, addressed column first.
using Grid = grid::TPubStrGrid;

struct Settings {
    int zaokrouhleni = 2;       // decimal places
    int zaokrouhleni_uh_vt = 0; // decimal places of seconds of arc
    bool vypis_reseni = true;   // calculators write the solution listing
    bool vypis_rovnic = true;   // the linear solver writes elimination steps
};

// Each settings field: its name in the configuration file and in batch
// requests, the settings dialog's widget, and its member (a number or a switch).
struct SettingsField {
    const char* name;
    const char* widget;
    int Settings::*number = nullptr;
    bool Settings::*on = nullptr;
};
inline constexpr SettingsField kSettingsFields[] = {
    {"vypis_reseni", "vypis_res", nullptr, &Settings::vypis_reseni},
    {"vypis_rovnic", "vypis_ano", nullptr, &Settings::vypis_rovnic},
    {"zaokrouhleni", "zao_spin", &Settings::zaokrouhleni},
    {"zaokrouhleni_uh_vt", "zao_uv_spin", &Settings::zaokrouhleni_uh_vt},
};

struct Message {
    enum class Kind { Error, Information, Warning, Question, Beep };
    Kind kind = Kind::Error;
    QString title;
    QString text;
};

inline const QString kAppTitle = QStringLiteral("QVkalkor");

// The main window's client area in design pixels (a calculator places a label by it).
inline constexpr int kClientWidth = 376;
inline constexpr int kClientHeight = 233;

// What a calculation asks of the window beyond its fields: one of a closed set.
struct Effect {
    enum class Kind { Help, StartCalculator, ShowListing };
    Kind kind = Kind::Help;
    QString topic; // Help: the help page, with "#anchor" for a section ("index" for the contents)

    static Effect help(const QString& topic) { return {Kind::Help, topic}; }
    static Effect startCalculator() { return {Kind::StartCalculator, {}}; }
    static Effect showListing() { return {Kind::ShowListing, {}}; }
    // As the batch answers name it: "help:<topic>", "start:calc", "listing:show".
    QString name() const;
    // The effect a name stands for; a name outside the set is a programming
    // error (std::logic_error).
    static Effect named(const QString& name);
    bool operator==(const Effect&) const = default;
};

// What the model asks of whoever shows it: boxes, platform effects and the
// event pump of long runs. The model calls it with the calculation's FP
// flags shielded, so a host never needs to care about them.
class Host {
public:
    virtual ~Host() = default;
    virtual void show(const Message& message) = 0;
    // A question; true for Yes/OK.
    virtual bool ask(const Message& message) = 0;
    // A help topic, a program start, the listing window shown, ...
    virtual void effect(const Effect& what) = 0;
    // Processes pending user events inside a long run. The model counts the
    // polls of a run itself and calls this at the run's first poll and then
    // once the polls the host asked for have passed: the answer is how many
    // (1 = the next one).
    virtual std::uint64_t processEvents() = 0;
};

// Collects what would be shown; answers every question Yes.
class RecordingHost : public Host {
public:
    std::vector<Message> messages;
    QStringList effects;
    // Called at every poll while set, with the number of polls it has seen.
    std::function<void(int)> onPoll;
    int polls = 0;

    void show(const Message& message) override { messages.push_back(message); }
    bool ask(const Message& message) override
    {
        messages.push_back(message);
        return true;
    }
    void effect(const Effect& what) override { effects.append(what.name()); }
    std::uint64_t processEvents() override
    {
        if (!onPoll)
            return kNever;
        onPoll(++polls);
        return 1;
    }
    static constexpr std::uint64_t kNever = std::uint64_t(1) << 62;
};

class WindowModel {
public:
    WindowModel();
    // It points at its own fallback host: never copied or moved.
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // --- declaring the window
    Field& add(Field field);
    // A new grid; its changes reach the observers under its name.
    Grid& addGrid(const QString& name);
    bool has(const QString& name) const { return index_.contains(name); }
    bool hasGrid(const QString& name) const { return grids_.contains(name); }
    const std::vector<Field>& fields() const { return fields_; }
    QStringList gridNames() const;

    // --- fields; an unknown name is a programming error (std::logic_error)
    const Field& field(const QString& name) const;
    QString text(const QString& name) const { return field(name).text; }
    void setText(const QString& name, const QString& text);
    int index(const QString& name) const { return field(name).value; }
    void setIndex(const QString& name, int index);
    bool checked(const QString& name) const { return field(name).value != 0; }
    void setChecked(const QString& name, bool on);
    int value(const QString& name) const { return field(name).value; }
    void setValue(const QString& name, int value); // clamps spin boxes
    bool enabled(const QString& name) const { return field(name).enabled; }
    void setEnabled(const QString& name, bool on);
    bool visible(const QString& name) const { return field(name).visible; }
    void setVisible(const QString& name, bool on);
    void setHint(const QString& name, const QString& hint);
    void setWidth(const QString& name, int width);
    void setLeft(const QString& name, int left);

    // --- multi-line text areas
    QStringList lines(const QString& name) const;
    void setLines(const QString& name, const QStringList& lines);
    // Appends a line as a text area does: after a final line break, or
    // starting a new line after the last one.
    void addLine(const QString& name, const QString& line);

    // --- grids
    const Grid& grid(const QString& name) const;
    Grid& gridForWrite(const QString& name); // every change notifies by itself

    // --- generic access by key: "a1" for the value, "prerus.enabled" for a property.
    // Throws std::invalid_argument for an unknown key or a value of the wrong form.
    QString valueText(const QString& key) const;
    void setValueText(const QString& key, const QString& text);
    // Every reported key with its text, in declaration order.
    std::vector<std::pair<QString, QString>> snapshot() const;

    // --- settings
    const Settings& settings() const { return settings_; }
    void setSettings(const Settings& settings);

    // --- the listing text (owned by the listing window)
    const QStringList& listing() const { return listing_; }
    bool listingVisible() const { return listingVisible_; }
    void listing_add(const QString& line);
    void listing_show();
    void listing_set_last(const QString& line);
    void listing_clear();
    void listing_close(); // hide and empty

    // --- messages, effects, long runs. Views (observers) and the host do
    // toolkit work; the model is the only way from a calculation to them, and
    // it keeps the calculation's FP flags across every such call.
    void setHost(Host* host)
    {
        host_ = host ? host : &fallback_;
        startRun();
    }
    void showMessage(Message::Kind kind, const QString& title, const QString& text);
    // A Yes/No question; true for Yes. `icon` is Question or Warning.
    bool ask(const QString& title, const QString& text, Message::Kind icon = Message::Kind::Question);
    void beep();
    void effect(const Effect& what);
    // One step of a long run. Counts it; only when the host's interval has
    // passed does the host process pending events, so a step costs a counter.
    void processEvents()
    {
        if (++polls_ >= nextPass_)
            pass();
    }
    // Every poll since the model was made.
    std::uint64_t polls() const { return polls_; }
    // A run starts: its first poll reaches the host.
    void startRun() { nextPass_ = polls_ + 1; }
    // The stop flag of a long run by name (a page's Stop button and the close
    // request set it); clear until first set. The reference stays valid.
    bool& stop(const QString& flag) { return stop_[flag]; }

    // --- typed results: the last successful solve of each calculator, by its
    // page's name, for what is built on it (graph, worked solution, picture).
    // A failed solve leaves the last good one in place.
    template <typename T>
    void publish(const QString& page, T result)
    {
        results_[page] = std::move(result);
    }
    // Null when the page has no result of that type.
    template <typename T>
    const T* result(const QString& page) const
    {
        const auto it = results_.find(page);
        return it == results_.end() ? nullptr : std::any_cast<T>(&it->second);
    }

    // --- the worked solution of the last calculation. A handler that solved
    // leaves a maker, run only when a view or the runner asks: exact work
    // never delays the page's own result. A refusal replaces it with the
    // message.
    void explain(std::function<Postup()> make);
    void explainRefusal(const QString& message);
    // What a refusal adds: what to enter instead of what was refused.
    void setRefusalAdvice(std::function<QString(const QString&)> advice) { refusalAdvice_ = std::move(advice); }
    // Made on first request, then kept.
    const Postup& postup();
    // Counts every explanation given, so a caller can tell whether a step gave one.
    std::uint64_t postupSerial() const { return postupSerial_; }

    // --- the picture of a calculation (an SVG document), per page, made
    // lazily like the worked solution. A handler that solved calls draw()
    // after explain(); the page's clear button undraws. A refusal leaves the
    // page's last good picture, as it leaves its last result.
    void draw(const QString& page, std::function<QString()> make);
    void undraw(const QString& page);
    // Made on first request, then kept; empty when the page has none.
    const QString& sketch(const QString& page);
    bool drawn(const QString& page) const { return sketches_.count(page) != 0; }
    // The page the last calculation drew; empty when it drew nothing or was
    // refused.
    const QString& drawnNow() const { return drawnNow_; }

    // --- the input focus: views move it to the named field
    void setFocus(const QString& name);
    const QString& focusRequest() const { return focus_; }
    // The field that holds the focus as the view reports it; empty when the
    // focus is elsewhere (a tab bar, another window) or there is no view.
    const QString& focused() const { return focused_; }
    void noteFocused(const QString& name) { focused_ = name; }

    // --- change notification: the name of the field or grid, "listing",
    // "settings" or "focus"
    using Observer = std::function<void(const QString& name)>;
    void observe(Observer observer) { observers_.push_back(std::move(observer)); }

    static inline const QString kListing = QStringLiteral("listing");
    static inline const QString kSettings = QStringLiteral("settings");
    static inline const QString kFocus = QStringLiteral("focus");
    static inline const QString kPostup = QStringLiteral("postup");
    // A picture was drawn or undrawn.
    static inline const QString kSketch = QStringLiteral("sketch");

private:
    Field& mut(const QString& name);
    void notify(const QString& name);
    // Sets one member of a field and tells the observers, if it changed.
    template <typename T>
    void assign(const QString& name, T Field::*member, const T& value);

    std::vector<Field> fields_;
    QHash<QString, int> index_;
    std::map<QString, std::unique_ptr<Grid>> grids_;
    QStringList gridOrder_;
    Settings settings_;
    QStringList listing_;
    bool listingVisible_ = false;
    std::map<QString, bool> stop_;
    std::map<QString, std::any> results_;
    std::function<Postup()> postupMaker_;
    std::function<QString(const QString&)> refusalAdvice_;
    Postup postup_;
    std::uint64_t postupSerial_ = 0;
    struct Drawing {
        std::function<QString()> make;
        QString svg;
    };
    std::map<QString, Drawing> sketches_;
    QString drawnNow_;
    QString focus_;
    QString focused_;
    RecordingHost fallback_;
    Host* host_ = &fallback_;
    std::uint64_t polls_ = 0;
    std::uint64_t nextPass_ = 1;
    void pass();
    // A view may be made while the model notifies (a page built when first
    // chosen): a list keeps the others where they are.
    std::list<Observer> observers_;
};

} // namespace qvk
