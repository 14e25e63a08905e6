#include "planimetry/plane.h"
#include "model/declare.h"
#include "planimetry/solvers.h"

#include <span>
#include <vector>

namespace qvk::planimetry {

namespace {

using declare::quantity;
using declare::Entry;

// The quantities are listed in tab order, on a grid of three columns; the
// order is also that of the solver's fields (bit i of a row is the i-th
// quantity, see quantities()).

constexpr const char* kDeg = "°";
constexpr const char* kSq = "²";

constexpr Entry kRightTriangle[] = {
    quantity("tp_a", "a =", "strana a - odvěsna", 0, 0),
    quantity("tp_b", "b =", "strana b - odvěsna", 0, 1),
    quantity("tp_c", "c =", "strana c - přepona", 0, 2),
    quantity("tp_vc", "vc =", "výška vc", 1, 0),
    quantity("tp_alfa", "α", "úhel alfa", 1, 1, kDeg),
    quantity("tp_beta", "β", "úhel beta", 1, 2, kDeg),
    quantity("tp_obvod", "O =", "obvod", 2, 0),
    quantity("tp_obsah", "S =", "obsah", 2, 1, kSq),
};

constexpr Entry kTriangle[] = {
    quantity("troj_a", "a =", "strana a", 0, 0),
    quantity("troj_b", "b =", "strana b", 0, 1),
    quantity("troj_c", "c =", "strana c", 0, 2),
    quantity("troj_va", "va =", "výška va", 1, 0),
    quantity("troj_vb", "vb =", "výška vb", 1, 1),
    quantity("troj_vc", "vc =", "výška vc", 1, 2),
    quantity("troj_alfa", "α", "úhel alfa", 2, 0, kDeg),
    quantity("troj_beta", "β", "úhel beta", 2, 1, kDeg),
    quantity("troj_gama", "γ", "úhel gama", 2, 2, kDeg),
    quantity("troj_obvod", "O =", "obvod", 0, 3),
    quantity("troj_obsah", "S =", "obsah", 1, 3, kSq),
    // Shown only while two triangles fit (see triangle.cpp).
    {.role = Entry::Switch, .name = kSecondTriangle, .caption = "Tupoúhlý trojúhelník",
     .hint = "Řešit jako tupoúhlý trojúhelník", .at = {31, 112, 200, 22}},
};

constexpr Entry kSquare[] = {
    quantity("ctv_a", "a =", "strana", 0, 0),
    quantity("ctv_u", "u =", "úhlopříčka", 0, 1),
    quantity("ctv_o", "O =", "obvod", 1, 0),
    quantity("ctv_s", "S =", "obsah", 1, 1, kSq),
};

constexpr Entry kRectangle[] = {
    quantity("obd_a", "a =", "strana a", 0, 0),
    quantity("obd_b", "b =", "strana b", 0, 1),
    quantity("obd_u", "u =", "úhlopříčka", 0, 2),
    quantity("obd_o", "O =", "obvod", 1, 0),
    quantity("obd_s", "S =", "obsah", 1, 1, kSq),
};

constexpr Entry kParallelogram[] = {
    quantity("rov_a", "a =", "strana a", 0, 0),
    quantity("rov_b", "b =", "strana b", 0, 1),
    quantity("rov_va", "va = ", "výška va", 1, 0),
    quantity("rov_vb", "vb =", "výška vb", 1, 1),
    quantity("rov_alfa", "α = γ", "úhel alfa (= úhel gama)", 2, 0, kDeg),
    quantity("rov_beta", "β = δ", "úhel beta (=úhel delta)", 2, 1, kDeg),
    quantity("rov_obvod", "O =", "obvod", 0, 2),
    quantity("rov_obsah", "S =", "obsah", 1, 2, kSq),
};

constexpr Entry kTrapezoid[] = {
    quantity("lic_a", "a =", "strana a", 0, 0),
    quantity("lic_b", "b =", "strana b", 0, 1),
    quantity("lic_c", "c =", "strana c", 0, 2),
    quantity("lic_d", "d =", "strana d", 0, 3),
    quantity("lic_alfa", "α", "úhel alfa", 1, 0, kDeg),
    quantity("lic_beta", "β", "úhel beta", 1, 1, kDeg),
    quantity("lic_gama", "γ", "úhel gama", 1, 2, kDeg),
    quantity("lic_delta", "δ", "úhel delta", 1, 3, kDeg),
    quantity("lic_v", "v =", "výška", 2, 0),
    quantity("lic_s", "s =", "střední příčka", 2, 1),
    quantity("lic_obvod", "O =", "obvod", 2, 2),
    quantity("lic_obsah", "S =", "obsah", 2, 3, kSq),
};

constexpr Entry kPolygon[] = {
    quantity("uhe_n", "n =", "počet vrcholů,stran,úhlů", 0, 0),
    quantity("uhe_a", "a =", "strana", 0, 1),
    quantity("uhe_r", "r =", "poloměr kružnice opsané", 0, 2),
    quantity("uhe_p", "ρ", "poloměr kružnice vepsané", 1, 0),
    quantity("uhe_o", "O =", "obvod", 1, 1),
    quantity("uhe_s", "S =", "obsah", 1, 2, kSq),
    {.role = Entry::Output, .name = "uhe_uhel", .caption = "α", .hint = "úhel mezi 2 stranami", .cleared = true,
     .col = 2, .row = 0, .unit = kDeg},
};

// The solver changes the caption beside the perimeter (a field of its own)
// and both hints; clearing puts them and the angle back (see clear_circle).
constexpr Entry kCircle[] = {
    quantity("kru_r", "r =", "poloměr", 0, 0),
    {.name = kCircleAngle, .caption = "α", .hint = "poloměr", .text = "360", .col = 0, .row = 1, .unit = kDeg},
    {.role = Entry::Text, .name = kCircleArcCaption, .hint = "obvod/oblouk", .text = "O/a =", .reported = PropHint},
    {.name = kCircleArc, .caption = "O/a =", .hint = "obvod/oblouk", .cleared = true, .reported = PropHint, .col = 0,
     .row = 2},
    quantity("kru_s", "S =", "obsah", 0, 3, kSq),
    {.role = Entry::Option, .name = "kru_kru_vys", .caption = "Kruhová výseč", .selected = 1, .at = {144, 6, 140, 22}},
    {.role = Entry::Option, .name = "kru_usec", .caption = "Kruhová úseč", .at = {144, 32, 140, 22}},
};

struct Sheet {
    const char* page;
    std::span<const Entry> fields;
};

constexpr Sheet kSheets[] = {
    {"trojuhelnik_p_desk", kRightTriangle}, {"trojuhelnik_desk", kTriangle}, {"ctverec_desk", kSquare},
    {"obdelnik_desk", kRectangle},           {"rovnobeznik_desk", kParallelogram}, {"lichobeznik_desk", kTrapezoid},
    {"n_uhelnik_desk", kPolygon},            {"kruh_desk", kCircle},
};

} // namespace

std::span<const declare::Entry> sheet_fields(const QString& page)
{
    for (const Sheet& s : kSheets)
        if (page == QLatin1String(s.page))
            return s.fields;
    return {};
}

std::vector<const char*> quantities(const char* page)
{
    std::vector<const char*> names;
    for (const Entry& f : sheet_fields(QString::fromUtf8(page)))
        if (f.col >= 0)
            names.push_back(f.name);
    return names;
}

void declare_right_triangle(WindowModel& m) { declare::declare_all(m, kRightTriangle); }

void declare_triangle(WindowModel& m)
{
    declare::declare_all(m, kTriangle);
    m.setVisible(QString::fromLatin1(kSecondTriangle), false);
}

void register_triangle(Registry& r)
{
    r.add(QString::fromLatin1(kSecondTriangle) + QStringLiteral("Click"), second_triangle_clicked);
}

void declare_square(WindowModel& m) { declare::declare_all(m, kSquare); }
void declare_rectangle(WindowModel& m) { declare::declare_all(m, kRectangle); }
void declare_parallelogram(WindowModel& m) { declare::declare_all(m, kParallelogram); }
void declare_trapezoid(WindowModel& m) { declare::declare_all(m, kTrapezoid); }
void declare_polygon(WindowModel& m) { declare::declare_all(m, kPolygon); }
void declare_circle(WindowModel& m) { declare::declare_all(m, kCircle); }

void register_circle(Registry& r)
{
    // The two radio buttons are one group.
    r.add(QStringLiteral("kru_kru_vysClick"), [](WindowModel& m) {
        m.setChecked(QStringLiteral("kru_kru_vys"), true);
        m.setChecked(QStringLiteral("kru_usec"), false);
    });
    r.add(QStringLiteral("kru_usecClick"), [](WindowModel& m) {
        m.setChecked(QStringLiteral("kru_usec"), true);
        m.setChecked(QStringLiteral("kru_kru_vys"), false);
    });
}

void compute_right_triangle(WindowModel& m) { solve(m, right_triangle()); }
void compute_triangle(WindowModel& m) { solve(m, general_triangle()); }
void compute_square(WindowModel& m) { solve(m, square()); }
void compute_rectangle(WindowModel& m) { solve(m, rectangle()); }
void compute_parallelogram(WindowModel& m) { solve(m, parallelogram()); }
void compute_trapezoid(WindowModel& m) { solve(m, trapezoid()); }
void compute_polygon(WindowModel& m) { solve(m, regular_polygon()); }
void compute_circle(WindowModel& m) { solve(m, circle()); }


void clear_right_triangle(WindowModel& m) { declare::clear_marked(m, kRightTriangle); }
void clear_triangle(WindowModel& m)
{
    declare::clear_marked(m, kTriangle);
    clear_second_triangle(m);
}
void clear_square(WindowModel& m) { declare::clear_marked(m, kSquare); }
void clear_rectangle(WindowModel& m) { declare::clear_marked(m, kRectangle); }
void clear_parallelogram(WindowModel& m) { declare::clear_marked(m, kParallelogram); }
void clear_trapezoid(WindowModel& m) { declare::clear_marked(m, kTrapezoid); }
void clear_polygon(WindowModel& m) { declare::clear_marked(m, kPolygon); }

// The circle's angle, caption and hints go back to the whole circle.
void clear_circle(WindowModel& m)
{
    declare::clear_marked(m, kCircle);
    m.setText(QString::fromLatin1(kCircleAngle), QStringLiteral("360"));
    m.setText(QString::fromLatin1(kCircleArcCaption), QStringLiteral("O/a ="));
    m.setHint(QString::fromLatin1(kCircleArcCaption), QStringLiteral("obvod/oblouk"));
    m.setHint(QString::fromLatin1(kCircleArc), QStringLiteral("obvod/oblouk"));
}

} // namespace qvk::planimetry
