#pragma once
#include "model/declare.h"
#include "model/model.h"
#include "model/postup.h"
#include "model/registry.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <vector>

namespace qvk::equations {

// The page's name: in the calculator table, and its published result.
inline constexpr char kSystemPage[] = "sr";

// The page "Soustava rovnic": a linear system of 2 to 26 equations typed
// into one grid, one result per variable in the other.
inline constexpr char kSystemInput[] = "soustavarov";
inline constexpr char kSystemResults[] = "reseni_rovnic";
void declare_system(WindowModel& model);
// The page's descriptor: its fields, their places on the page.
std::span<const declare::Entry> system_fields();
void register_system(Registry& registry);

// Resizes and relabels both grids for the number of equations and fills
// the input grid with the sample system.
void pocet_rovnicChange(WindowModel& model);

// Solves the system by elimination without row exchanges, listing every step.
void sous_rov_vyresClick(WindowModel& model);

// --- the typed solve

// The augmented matrix; rows and columns are numbered from 1 as on the page
// (index 0 is unused): a[i][j] is the coefficient of xj in equation i.
struct SystemMatrix {
    int n = 0;
    std::vector<std::vector<long double>> a;
    std::vector<long double> b;
};

struct SystemInput {
    SystemMatrix given; // the cells as read
    int places = 0;
    // The steps are listed: the listing looks at the arithmetic's faults
    // after every step, which decides where a fault stops the solve.
    bool listed = false;
};

// What a variable is in the final matrix.
struct Unknown {
    enum class Kind {
        Value,      // its number
        Free,       // any real number: "R"
        Dependent,  // depends on the free ones: "dle xx"
        NoSolution, // the system has none: "Bez řešení"
    };
    Kind kind = Kind::NoSolution;
    long double value = 0; // Value: rounded to the places
};

struct SystemResult {
    SystemInput in;
    // How far the solve came; an arithmetic fault stops it and is kept in
    // `failure`, so that the page lists the steps that came before it.
    enum class Stage { None, Eliminated, Classified };
    Stage reached = Stage::None;
    std::exception_ptr failure;

    // Listed: the matrix as given, then after every step that changed it,
    // in order. Unlisted: none.
    std::vector<SystemMatrix> steps;
    std::vector<Unknown> unknowns; // x1 ... xn
};

// Arithmetic faults are caught into the result, never thrown.
SystemResult solve_system(const SystemInput& in);

// The listing's head, written before the input is read: a refused input
// leaves it behind.
QStringList system_listing_head();
// The listing of the steps reached, each matrix and its "-", the last one
// closed by the dashes once the elimination has ended.
QStringList system_listing(const SystemResult& r);
// The text of each variable, x1 ... xn.
QStringList unknown_texts(const SystemResult& r);

// The worked solution of a result.
Postup explain_system(const SystemResult& r);

} // namespace qvk::equations
