#include "planimetry/plane.h"
#include "model/declare.h"
#include "planimetry/solvers.h"

#include <initializer_list>

namespace qvk::planimetry {

namespace {

void clear(WindowModel& m, std::initializer_list<const char*> fields)
{
    for (const char* field : fields)
        m.setText(QString::fromUtf8(field), QString());
}

} // namespace

void declare_right_triangle(WindowModel& m)
{
    using declare::edit;
    edit(m, "tp_a", "a =", "strana a - odvěsna");
    edit(m, "tp_b", "b =", "strana b - odvěsna");
    edit(m, "tp_c", "c =", "strana c - přepona");
    edit(m, "tp_vc", "vc =", "výška vc");
    edit(m, "tp_alfa", "α", "úhel alfa");
    edit(m, "tp_beta", "β", "úhel beta");
    edit(m, "tp_obvod", "O =", "obvod");
    edit(m, "tp_obsah", "S =", "obsah");
}

void declare_triangle(WindowModel& m)
{
    using declare::edit;
    edit(m, "troj_a", "a =", "strana a");
    edit(m, "troj_b", "b =", "strana b");
    edit(m, "troj_c", "c =", "strana c");
    edit(m, "troj_va", "va =", "výška va");
    edit(m, "troj_vb", "vb =", "výška vb");
    edit(m, "troj_vc", "vc =", "výška vc");
    edit(m, "troj_alfa", "α", "úhel alfa");
    edit(m, "troj_beta", "β", "úhel beta");
    edit(m, "troj_gama", "γ", "úhel gama");
    edit(m, "troj_obvod", "O =", "obvod");
    edit(m, "troj_obsah", "S =", "obsah");
    declare::check(m, "troj_tup", "Tupoúhlý trojúhelník", false, "Řešit jako tupoúhlý trojúhelník");
    m.setVisible(QStringLiteral("troj_tup"), false);
}

void declare_square(WindowModel& m)
{
    using declare::edit;
    edit(m, "ctv_a", "a =", "strana");
    edit(m, "ctv_u", "u =", "úhlopříčka");
    edit(m, "ctv_o", "O =", "obvod");
    edit(m, "ctv_s", "S =", "obsah");
}

void declare_rectangle(WindowModel& m)
{
    using declare::edit;
    edit(m, "obd_a", "a =", "strana a");
    edit(m, "obd_b", "b =", "strana b");
    edit(m, "obd_u", "u =", "úhlopříčka");
    edit(m, "obd_o", "O =", "obvod");
    edit(m, "obd_s", "S =", "obsah");
}

void declare_parallelogram(WindowModel& m)
{
    using declare::edit;
    edit(m, "rov_a", "a =", "strana a");
    edit(m, "rov_b", "b =", "strana b");
    edit(m, "rov_va", "va = ", "výška va");
    edit(m, "rov_vb", "vb =", "výška vb");
    edit(m, "rov_alfa", "α = γ", "úhel alfa (= úhel gama)");
    edit(m, "rov_beta", "β = δ", "úhel beta (=úhel delta)");
    edit(m, "rov_obvod", "O =", "obvod");
    edit(m, "rov_obsah", "S =", "obsah");
}

void declare_trapezoid(WindowModel& m)
{
    using declare::edit;
    edit(m, "lic_a", "a =", "strana a");
    edit(m, "lic_b", "b =", "strana b");
    edit(m, "lic_c", "c =", "strana c");
    edit(m, "lic_d", "d =", "strana d");
    edit(m, "lic_alfa", "α", "úhel alfa");
    edit(m, "lic_beta", "β", "úhel beta");
    edit(m, "lic_gama", "γ", "úhel gama");
    edit(m, "lic_delta", "δ", "úhel delta");
    edit(m, "lic_v", "v =", "výška");
    edit(m, "lic_s", "s =", "střední příčka");
    edit(m, "lic_obvod", "O =", "obvod");
    edit(m, "lic_obsah", "S =", "obsah");
}

void declare_polygon(WindowModel& m)
{
    using declare::edit;
    edit(m, "uhe_n", "n =", "počet vrcholů,stran,úhlů");
    edit(m, "uhe_a", "a =", "strana");
    edit(m, "uhe_r", "r =", "poloměr kružnice opsané");
    edit(m, "uhe_p", "ρ", "poloměr kružnice vepsané");
    edit(m, "uhe_o", "O =", "obvod");
    edit(m, "uhe_s", "S =", "obsah");
    declare::result(m, "uhe_uhel", "α", "úhel mezi 2 stranami");
}

void declare_circle(WindowModel& m)
{
    using declare::edit;
    edit(m, "kru_r", "r =", "poloměr");
    edit(m, "kru_alfa", "α", "poloměr", "360");
    // The solver changes the caption beside the perimeter and both hints.
    auto with_hint = [&m](Kind kind, const char* name, const char* text, const char* caption) {
        Field f;
        f.name = QString::fromUtf8(name);
        f.kind = kind;
        f.text = QString::fromUtf8(text);
        f.caption = QString::fromUtf8(caption);
        f.hint = QStringLiteral("obvod/oblouk");
        f.reported = PropHint;
        m.add(std::move(f));
    };
    with_hint(Kind::Label, "kru_oa", "O/a =", "");
    with_hint(Kind::Edit, "kru_o", "", "O/a =");
    edit(m, "kru_s", "S =", "obsah");
    declare::check(m, "kru_kru_vys", "Kruhová výseč", true);
    declare::check(m, "kru_usec", "Kruhová úseč", false);
}

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
void compute_polygon(WindowModel& m) { solve(m, regular_polygon()); }
void compute_circle(WindowModel& m) { solve(m, circle()); }

void compute_trapezoid(WindowModel& m)
{
    m.showMessage(Message::Kind::Information, kAppTitle, QStringLiteral("Výpočet lichoběžníku zatím nefunkční :-("));
}

void clear_right_triangle(WindowModel& m)
{
    clear(m, {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"});
}

void clear_triangle(WindowModel& m)
{
    clear(m, {"troj_a", "troj_b", "troj_c", "troj_va", "troj_vb", "troj_vc", "troj_alfa", "troj_beta", "troj_gama",
              "troj_obvod", "troj_obsah"});
}

void clear_square(WindowModel& m) { clear(m, {"ctv_a", "ctv_u", "ctv_s", "ctv_o"}); }
void clear_rectangle(WindowModel& m) { clear(m, {"obd_a", "obd_b", "obd_u", "obd_o", "obd_s"}); }

void clear_parallelogram(WindowModel& m)
{
    clear(m, {"rov_a", "rov_b", "rov_va", "rov_vb", "rov_alfa", "rov_beta", "rov_obvod", "rov_obsah"});
}

void clear_trapezoid(WindowModel& m)
{
    clear(m, {"lic_a", "lic_b", "lic_c", "lic_d", "lic_alfa", "lic_beta", "lic_gama", "lic_delta", "lic_v", "lic_s",
              "lic_obvod", "lic_obsah"});
}

void clear_polygon(WindowModel& m) { clear(m, {"uhe_n", "uhe_a", "uhe_r", "uhe_p", "uhe_uhel", "uhe_s", "uhe_o"}); }

// The circle's angle, caption and hints go back to the whole circle.
void clear_circle(WindowModel& m)
{
    clear(m, {"kru_r", "kru_s", "kru_o"});
    m.setText(QStringLiteral("kru_alfa"), QStringLiteral("360"));
    m.setText(QStringLiteral("kru_oa"), QStringLiteral("O/a ="));
    m.setHint(QStringLiteral("kru_oa"), QStringLiteral("obvod/oblouk"));
    m.setHint(QStringLiteral("kru_o"), QStringLiteral("obvod/oblouk"));
}

} // namespace qvk::planimetry
