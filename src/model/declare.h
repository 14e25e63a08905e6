#pragma once
// Declaring the fields of a page from its descriptor. Texts are UTF-8.
#include "model/model.h"

#include <span>

namespace qvk::declare {

// A place on a page laid out by hand, in design pixels; a place of no width
// is none (the page lays that field out itself, or nothing shows it).
struct Place {
    enum Flow {
        Plain,
        Right,   // the text to the right edge
        Wrapped, // the text wrapped onto the lines of its height
    };
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    Flow flow = Plain;
    constexpr bool placed() const { return w > 0; }
};

// One field of a page, named once. A page's descriptor is an array of these,
// in the page's tab order: its declaration, its clearing, the layout of its
// sheet and the target of Enter are read from it, so a name is never written
// twice.
struct Entry {
    enum Role {
        Input,  // an edit field the user types into
        Output, // a read-only result field
        Text,   // a label whose text a calculator may change
        Area,   // a multi-line text area
        Press,  // a push button
        Choice, // a drop-down list
        Switch, // a check box
        Option, // a radio button: one of the options of its page
        Spin,   // a spin box of whole numbers
    };
    Role role = Input;
    const char* name = "";
    const char* caption = "";
    const char* hint = "";
    const char* text = ""; // initial text; Area: its lines, each ended by '\n'
    int maxLength = 0;
    bool cleared = false;  // emptied by the page's clear button (and Ctrl+X)
    bool readOnly = false; // Area
    // Choice: its items; Choice, Switch, Option and Spin: the initial
    // selection / state / value.
    std::span<const char* const> items = {};
    int selected = 0;
    // Press: enabled at start. Press, Input and Text: properties reported
    // beside the value; a Text's width at start.
    bool enabled = true;
    unsigned reported = PropNone;
    int width = 0;
    // Spin: its range.
    int minimum = 0;
    int maximum = 0;
    // The place on a sheet laid out as a grid (column, row) and the unit
    // after the field (on a page laid out by hand too); -1: not on a grid.
    int col = -1;
    int row = -1;
    const char* unit = "";
    // Press: a calculation, which Enter presses from a field of its page
    // when it is the page's only one.
    bool calculates = false;
    // Input, Spin, Choice on a page of several calculations: the button Enter
    // presses in this field.
    const char* enter = nullptr;
    // The place on a page laid out by hand: the field's own widget and, where
    // the page shows it, its caption; Press: the name of its picture.
    Place at = {};
    Place captionAt = {};
    const char* icon = "";
};

// A quantity of a figure or solid: an edit field the clear button empties,
// at its place on the sheet's grid, with its unit.
constexpr Entry quantity(const char* name, const char* caption, const char* hint, int col, int row,
                        const char* unit = "")
{
    return {.name = name, .caption = caption, .hint = hint, .cleared = true, .col = col, .row = row, .unit = unit};
}

// Declares every field of a descriptor, in its order.
void declare_all(WindowModel& m, std::span<const Entry> fields);
// Empties the fields marked `cleared`, in the descriptor's order.
void clear_marked(WindowModel& m, std::span<const Entry> fields);

// Single fields outside a calculator page (the frames, the menu).
const Field& label(WindowModel& m, const char* name, const char* text, const char* hint = "",
                   const char* caption = "");
const Field& button(WindowModel& m, const char* name, const char* caption, const char* hint = "",
                    bool enabled = true, unsigned reported = PropNone);
const Field& check(WindowModel& m, const char* name, const char* caption, bool checked, const char* hint = "");

} // namespace qvk::declare
