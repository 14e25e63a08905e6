// Every case of every solid, fed the values of one known solid, gives back
// that solid; and a second press right after finds too many fields filled.
#include "app/assembly.h"
#include "core/numeric.h"
#include "stereometry/formulas.h"
#include "stereometry/solids.h"

#include <gtest/gtest.h>

#include <QHash>

#include <cmath>
#include <map>
#include <string>

namespace {

using qvk::stereometry::Case;
using qvk::stereometry::Solid;

constexpr double pi = 3.14159265358979323846;

// Known solids by page, values in field order, worked out by hand.
const std::map<std::string, std::vector<double>> kKnown = {
    // a = 3
    {"krychle_desk", {3, 3 * std::sqrt(3.0), 54, 27}},
    // a, b, c = 3, 4, 12
    {"kvadr_desk", {3, 4, 12, 13, 192, 144}},
    // square base 6, height 4: face height 5
    {"jehlan_desk", {4, 6, 4, 5, 96, 48}},
    // r = 1,5
    {"koule_desk", {1.5, 3, 9 * pi, 4.5 * pi}},
    // r = 3, v = 4, s = 5
    {"kuzel_desk", {3, 4, 5, 24 * pi, 12 * pi}},
    // r = 2, v = 5
    {"valec_desk", {2, 5, 28 * pi, 20 * pi}},
};

struct Window {
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::RecordingHost host;

    Window()
    {
        model.setHost(&host);
        qvk::app::assemble(model, registry);
        model.setSettings({12, 0, true, true});
    }
    void show(const Solid& s)
    {
        const QStringList pages = model.field(QStringLiteral("d3_page")).items;
        model.setIndex(QStringLiteral("druh"), 4);
        model.setIndex(QStringLiteral("d3_page"), static_cast<int>(pages.indexOf(QString::fromUtf8(s.page))));
    }
    void run(const char* event) { qvk::run_required(model, registry, QString::fromUtf8(event)); }
};

QString field(const Solid& s, std::size_t i) { return QString::fromUtf8(s.fields[i].name); }

TEST(Solids, EveryCaseGivesBackTheKnownSolid)
{
    int solids = 0;
    for (const Solid& s : qvk::stereometry::solids()) {
        ++solids;
        const auto known = kKnown.find(s.page);
        ASSERT_NE(known, kKnown.end()) << s.page;
        const std::vector<double>& values = known->second;
        ASSERT_EQ(values.size(), s.fields.size()) << s.page;
        int caseNo = 0;
        for (const Case& c : s.cases) {
            ++caseNo;
            SCOPED_TRACE(std::string(s.page) + " case " + std::to_string(caseNo));
            Window w;
            w.show(s);
            for (std::size_t i = 0; i < s.fields.size(); ++i)
                w.model.setText(field(s, i), (c.given & (1u << i)) ? qvk::format_number(values[i]) : QString());
            w.run("vyres_d3Click");
            ASSERT_TRUE(w.host.messages.empty()) << w.host.messages.front().text.toStdString();
            for (std::size_t i = 0; i < s.fields.size(); ++i) {
                const QString text = w.model.text(field(s, i));
                bool ok = false;
                const double got = QString(text).replace(u',', u'.').toDouble(&ok);
                ASSERT_TRUE(ok) << s.fields[i].name << " = " << text.toStdString();
                EXPECT_NEAR(got, values[i], 1e-9 * values[i]) << s.fields[i].name;
            }
            // The solve is published typed: the case taken, the given fields
            // and every value by field.
            const qvk::Solved* solved = w.model.result<qvk::Solved>(QString::fromUtf8(s.page));
            ASSERT_NE(solved, nullptr);
            EXPECT_EQ(solved->page, QString::fromUtf8(s.page));
            EXPECT_EQ(solved->row, caseNo - 1);
            EXPECT_EQ(solved->given, c.given);
            ASSERT_EQ(solved->values.size(), s.fields.size());
            for (std::size_t i = 0; i < s.fields.size(); ++i) {
                EXPECT_NEAR((*solved)[int(i)], values[i], 1e-9 * values[i]) << s.fields[i].name;
                EXPECT_EQ(solved->value(field(s, i)), (*solved)[int(i)]);
            }
            // Every field is filled now: no case matches a second press.
            const auto before = w.model.snapshot();
            w.run("vyres_d3Click");
            ASSERT_EQ(w.host.messages.size(), 1u);
            EXPECT_EQ(w.host.messages[0].text, QStringLiteral("Nepřípustné zadání."));
            EXPECT_EQ(w.model.snapshot(), before);
            // A refused solve leaves the last good result.
            ASSERT_NE(w.model.result<qvk::Solved>(QString::fromUtf8(s.page)), nullptr);
            EXPECT_EQ(w.model.result<qvk::Solved>(QString::fromUtf8(s.page))->row, caseNo - 1);
        }
    }
    EXPECT_GE(solids, 1);
}

// The cases of one solid exclude each other: a pattern of filled fields is
// listed at most once, and only over the solid's own fields.
TEST(Solids, CasePatternsAreDistinct)
{
    for (const Solid& s : qvk::stereometry::solids()) {
        QHash<unsigned, int> seen;
        for (const Case& c : s.cases) {
            EXPECT_EQ(c.given >> s.fields.size(), 0u) << s.page;
            EXPECT_FALSE(seen.contains(c.given)) << s.page << " pattern " << c.given;
            seen.insert(c.given, 1);
        }
    }
}

// One formula gives the page's number and the text of the worked solution.
TEST(SolidFormulas, TheSameFormulaGivesNumberAndText)
{
    using namespace qvk::stereometry::formulas;
    using qvk::Sym;
    const Sym r = Sym::name(QStringLiteral("r"));
    EXPECT_EQ(sphere_volume(r).text(), QStringLiteral("4 · π/3 · r³"));
    EXPECT_EQ(sphere_volume(Sym(1.5L)).text(), QStringLiteral("4 · π/3 · 1,5³"));
    EXPECT_EQ(sphere_surface(r).text(), QStringLiteral("4 · π · r²"));
    EXPECT_EQ(sphere_diameter(r).text(), QStringLiteral("2 · r"));
    EXPECT_EQ(sphere_radius_of_diameter(Sym::name(QStringLiteral("d"))).text(), QStringLiteral("d/2"));
    EXPECT_EQ(sphere_radius_of_surface(Sym::name(QStringLiteral("S"))).text(), QStringLiteral("√(S/4/π)"));
    EXPECT_EQ(sphere_radius_of_volume(Sym::name(QStringLiteral("V"))).text(), QStringLiteral("∛(V/(4 · π/3))"));

    const Sym a = Sym::name(QStringLiteral("a")), v = Sym::name(QStringLiteral("v")),
              s = Sym::name(QStringLiteral("s")), V = Sym::name(QStringLiteral("V"));
    EXPECT_EQ(cube_diagonal(a).text(), QStringLiteral("a · √3"));
    EXPECT_EQ(cube_edge_of_volume(V).text(), QStringLiteral("∛V"));
    EXPECT_EQ(cylinder_surface(r, v).text(), QStringLiteral("2 · π · r · (v + r)"));
    EXPECT_EQ(cylinder_radius(v, V).text(), QStringLiteral("√(V/(v · π))"));
    EXPECT_EQ(cone_volume(Sym(3), Sym(4)).text(), QStringLiteral("π/3 · 3² · 4"));
    EXPECT_EQ(cone_surface(r, s).text(), QStringLiteral("π · r² + π · r · s"));
    EXPECT_EQ(cone_leg(s, r).text(), QStringLiteral("√(s² − r²)"));

    EXPECT_EQ(cuboid_surface(a, Sym::name(QStringLiteral("b")), Sym::name(QStringLiteral("c"))).text(),
              QStringLiteral("2 · (a · b + b · c + a · c)"));
    EXPECT_EQ(pyramid_volume(v, Sym::name(QStringLiteral("P"))).text(), QStringLiteral("v · (1/3) · P"));
    EXPECT_EQ(pyramid_half_angle(Sym::name(QStringLiteral("n"))).text(), QStringLiteral("(n − 2) · 180/n/180 · π/2"));

    EXPECT_EQ(cuboid_diagonal<long double>(3, 4, 12), 13);
    EXPECT_NEAR(static_cast<double>(polygon_area<long double>(6, 4, pyramid_half_angle<long double>(4))), 36, 1e-12);
    EXPECT_NEAR(static_cast<double>(cone_volume<long double>(3, 4)), 12 * pi, 1e-12);
    EXPECT_NEAR(static_cast<double>(cylinder_surface<long double>(2, 5)), 28 * pi, 1e-12);
    EXPECT_NEAR(static_cast<double>(sphere_volume<long double>(1.5L)), 4.5 * pi, 1e-12);
    EXPECT_NEAR(static_cast<double>(sphere_surface<long double>(1.5L)), 9 * pi, 1e-12);
    EXPECT_NEAR(static_cast<double>(sphere_radius_of_volume<long double>(4.5L * pi)), 1.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(sphere_radius_of_surface<long double>(9.0L * pi)), 1.5, 1e-12);
}

} // namespace
