#pragma once
// The calculator table: every page of the main window in tree order, and what
// the rest of the program needs to know of the calculator on it. Assembly,
// navigation, help, "Vymaž pole", the close request, the configuration and the
// shell's pages all loop over it.
#include "model/model.h"
#include "model/registry.h"

#include <QList>
#include <QString>

#include <array>
#include <span>

namespace qvk::app {

// A selector frame: a drop-down list chooses the sheet of a page set without
// tabs and shows its picture; one clear and one compute button serve every sheet.
struct Frame {
    const char* selector;
    const char* hint; // of the selector
    const char* icon; // the picture box
    const char* clear;
    const char* compute;
};

struct Page {
    const char* name;    // widget name of the page (or sheet)
    const char* set;     // the page set it sits in; its index there is its place among the set's entries
    const char* caption; // tab caption; for a sheet also its item in the selector

    // A page that holds a page set of its own:
    const char* holds = nullptr;  // the page set
    const char* key = nullptr;    // configuration key of that page set's index
    const Frame* frame = nullptr; // a selector frame; without one the page set is drawn as buttons

    // The calculator on the page:
    const char* anchor = nullptr; // help anchor in "vypocet.htm"
    void (*declare)(WindowModel&) = nullptr;
    void (*handlers)(Registry&) = nullptr;
    const char* clear = nullptr;  // its clear button, pressed by "Vymaž pole" (Ctrl+X)
    const char* stop = nullptr;   // the stop flag of its long runs, set by the close request
    const char* kept = nullptr;   // an integer field the configuration keeps under the field's name
    const char* loaded = nullptr; // handler run once the configuration is loaded

    // A sheet of a selector frame:
    int item = -1;                // the selector item that shows it
    const char* picture = nullptr;
    void (*compute)(WindowModel&) = nullptr; // the frame's compute button on this sheet
    void (*empty)(WindowModel&) = nullptr;   // the frame's clear button (and Ctrl+X) on this sheet
};

// The root page set (tabs) and its configuration key.
inline constexpr char kTopSet[] = "druh";
inline constexpr char kTopKey[] = "hlavni";

// Every page, a page set's pages in index order.
std::span<const Page> page_table();

// The pages of one page set in index order.
QList<const Page*> pages_of(const QString& set);
// A page by widget name, or null.
const Page* find_page(const QString& name);
// The page that holds the page set `page` sits in, or null for a top page.
const Page* holder_of(const Page& page);
// The innermost page on show, or null when a page index is outside its set.
const Page* page_on_show(const WindowModel& model);

// Whether `button` runs a calculation, which Enter may press: a button its
// page declares as one, or a frame's compute button (neither a clear nor a
// Stop button).
bool runs_calculation(const WindowModel& model, const QString& button);
// The calculate button of the group `field` belongs to on a page of several
// calculations, as its page declares it, or empty.
QString run_button_of(const WindowModel& model, const QString& field);

// The handler a frame runs when its selector changes ("d2_vyberChange").
QString selector_change(const Frame& frame);

// Selector items and sheets of a frame's page set: -1 outside the set.
int page_of_item(const QString& set, int item);
int item_of_page(const QString& set, int page);

} // namespace qvk::app
