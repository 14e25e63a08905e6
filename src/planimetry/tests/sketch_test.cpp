// The figures' pictures from hand-built results: the trapezoid (its sides,
// angles and height on the outline at one scale), values that draw no figure
// (an empty picture, never a fault) and extreme sizes (finite, inside).
#include "planimetry/figure.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>
#include <map>
#include <numbers>

namespace {

using namespace qvk;
using namespace qvk::planimetry;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A solved sheet: the named values, the rest 0; `given` the fields typed.
Solved solved(const char* page, const std::map<QString, double>& values, const QStringList& given, bool option = false)
{
    Solved s;
    s.page = QString::fromLatin1(page);
    s.row = 0;
    s.places = 2;
    s.option = option;
    for (const char* name : quantities(page)) {
        const QString n = QString::fromLatin1(name);
        s.names.push_back(n);
        const auto it = values.find(n);
        s.values.push_back(it == values.end() ? 0 : it->second);
        s.typed.push_back(it == values.end() ? QString() : QString::number(it->second).replace(u'.', u','));
        if (given.contains(n))
            s.given |= Mask{1} << (s.names.size() - 1);
    }
    return s;
}

struct Point {
    double x, y;
};

struct Read {
    std::vector<Point> outline;
    std::map<QString, QString> labels; // field -> text
    std::map<QString, QString> given;  // field -> data-given
    std::vector<double> numbers;       // every coordinate
    bool ok = false;
};

Read read(const QString& svg)
{
    Read r;
    QXmlStreamReader xml(svg);
    static const QRegularExpression number(QStringLiteral(R"(-?[0-9.]+(e[-+]?[0-9]+)?)"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        for (const char* k : {"points", "x", "y", "x1", "y1", "x2", "y2", "cx", "cy", "r"})
            for (auto it = number.globalMatch(a.value(QLatin1String(k))); it.hasNext();)
                r.numbers.push_back(it.next().captured().toDouble());
        if (a.value(QLatin1String("data-part")) == u"outline")
            for (const QString& p : a.value(QLatin1String("points")).toString().split(u' ', Qt::SkipEmptyParts))
                r.outline.push_back({p.section(u',', 0, 0).toDouble(), p.section(u',', 1, 1).toDouble()});
        if (xml.name() == u"text" && a.hasAttribute(QLatin1String("data-field"))) {
            const QString field = a.value(QLatin1String("data-field")).toString();
            r.given[field] = a.value(QLatin1String("data-given")).toString();
            r.labels[field] = xml.readElementText();
        }
    }
    r.ok = !xml.hasError();
    return r;
}

double length(Point p, Point q) { return std::hypot(q.x - p.x, q.y - p.y); }

double angle_at(const std::vector<Point>& v, std::size_t i)
{
    const std::size_t n = v.size();
    const Point p = v[(i + n - 1) % n], q = v[(i + 1) % n], o = v[i];
    const double c = ((p.x - o.x) * (q.x - o.x) + (p.y - o.y) * (q.y - o.y)) / (length(o, p) * length(o, q));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
}

struct Trapezoid {
    const char* name;
    std::map<QString, double> values;
    QStringList given;
};

// a ∥ c: the isosceles one, a right one, one with c longer than a and an
// obtuse α, and one known only by a, c, v and α.
const double kIso = std::atan2(4.0, 3.0) * 180 / std::numbers::pi;
const Trapezoid kTrapezoids[] = {
    {"isosceles 10, 5, 4, 5",
     {{"lic_a", 10}, {"lic_b", 5}, {"lic_c", 4}, {"lic_d", 5}, {"lic_alfa", kIso}, {"lic_beta", kIso},
      {"lic_gama", 180 - kIso}, {"lic_delta", 180 - kIso}, {"lic_v", 4}, {"lic_s", 7}, {"lic_obvod", 24},
      {"lic_obsah", 28}},
     {"lic_a", "lic_b", "lic_c", "lic_d"}},
    {"right 8, 5, 5, 4",
     {{"lic_a", 8}, {"lic_b", 5}, {"lic_c", 5}, {"lic_d", 4}, {"lic_alfa", 90}, {"lic_beta", kIso},
      {"lic_gama", 180 - kIso}, {"lic_delta", 90}, {"lic_v", 4}, {"lic_s", 6.5}, {"lic_obvod", 22},
      {"lic_obsah", 26}},
     {"lic_a", "lic_c", "lic_v", "lic_alfa"}},
    // A(0,0) B(3,0) C(6,4) D(-2,4): c = 8 > a = 3, α obtuse.
    {"c longer than a",
     {{"lic_a", 3}, {"lic_b", 5}, {"lic_c", 8}, {"lic_d", std::hypot(2.0, 4.0)},
      {"lic_alfa", 180 - std::atan2(4.0, 2.0) * 180 / std::numbers::pi}, {"lic_beta", 180 - kIso},
      {"lic_gama", kIso}, {"lic_delta", std::atan2(4.0, 2.0) * 180 / std::numbers::pi}, {"lic_v", 4},
      {"lic_s", 5.5}, {"lic_obvod", 16 + std::hypot(2.0, 4.0)}, {"lic_obsah", 22}},
     {"lic_a", "lic_c", "lic_alfa", "lic_beta"}},
    {"a, c, v and α alone", {{"lic_a", 10}, {"lic_c", 4}, {"lic_v", 4}, {"lic_alfa", kIso}},
     {"lic_a", "lic_c", "lic_v", "lic_alfa"}},
};

TEST(TrapezoidSketch, OutlineHasTheSidesAnglesAndHeightAtOneScale)
{
    for (const Trapezoid& t : kTrapezoids) {
        const Solved s = solved("lichobeznik_desk", t.values, t.given);
        const Read r = read(sketch_figure(s));
        ASSERT_TRUE(r.ok) << t.name;
        ASSERT_EQ(r.outline.size(), 4u) << t.name;
        const auto& v = r.outline;
        const auto value = [&](const char* f) { return s.value(QString::fromLatin1(f)); };
        const double scale = length(v[0], v[1]) / value("lic_a");
        EXPECT_NEAR(length(v[2], v[3]) / scale, value("lic_c"), 1e-3) << t.name;
        // AB ∥ CD, at the height v apart.
        EXPECT_NEAR(v[0].y, v[1].y, 0.01) << t.name;
        EXPECT_NEAR(v[2].y, v[3].y, 0.01) << t.name;
        EXPECT_NEAR(std::fabs(v[3].y - v[0].y) / scale, value("lic_v"), 1e-3) << t.name;
        EXPECT_NEAR(angle_at(v, 0), value("lic_alfa"), 0.01) << t.name;
        if (value("lic_d") > 0) {
            EXPECT_NEAR(length(v[1], v[2]) / scale, value("lic_b"), 1e-3) << t.name;
            EXPECT_NEAR(length(v[3], v[0]) / scale, value("lic_d"), 1e-3) << t.name;
            EXPECT_NEAR(angle_at(v, 1), value("lic_beta"), 0.01) << t.name;
            EXPECT_NEAR(angle_at(v, 2), value("lic_gama"), 0.01) << t.name;
            EXPECT_NEAR(angle_at(v, 3), value("lic_delta"), 0.01) << t.name;
        }
        // Every value shown is labelled, given as typed, as the page writes it.
        for (const auto& [field, x] : t.values) {
            ASSERT_TRUE(r.labels.count(field)) << t.name << " " << field.toStdString();
            EXPECT_EQ(r.given.at(field), t.given.contains(field) ? u"1" : u"0") << t.name << " " << field.toStdString();
        }
        for (const auto& [field, text] : r.labels)
            EXPECT_TRUE(t.values.count(field)) << t.name << " " << field.toStdString() << " labelled but not shown";
    }
    const Read iso = read(sketch_figure(solved("lichobeznik_desk", kTrapezoids[0].values, kTrapezoids[0].given)));
    EXPECT_EQ(iso.labels.at(QStringLiteral("lic_alfa")), QStringLiteral("α = 53,13°"));
    EXPECT_EQ(iso.labels.at(QStringLiteral("lic_s")), QStringLiteral("s = 7"));
}

struct Degenerate {
    const char* page;
    std::map<QString, double> values;
};

// Values that close no figure, or cannot be drawn: no picture.
const Degenerate kNone[] = {
    {"trojuhelnik_desk", {{"troj_a", 1}, {"troj_b", 2}, {"troj_c", 3}}},
    {"trojuhelnik_desk", {{"troj_a", kNaN}, {"troj_b", 2}, {"troj_c", 2}}},
    {"trojuhelnik_desk", {{"troj_a", kInf}, {"troj_b", 2}, {"troj_c", 2}}},
    {"trojuhelnik_desk", {{"troj_alfa", 100}, {"troj_beta", 80}}},
    {"trojuhelnik_desk", {}},
    {"trojuhelnik_p_desk", {{"tp_a", 0}, {"tp_b", 5}, {"tp_c", 5}}},
    {"trojuhelnik_p_desk", {{"tp_a", kInf}, {"tp_b", 5}, {"tp_c", kInf}}},
    {"trojuhelnik_p_desk", {{"tp_c", 4}, {"tp_vc", 3}}},
    {"ctverec_desk", {{"ctv_a", 0}}},
    {"ctverec_desk", {{"ctv_a", kNaN}}},
    {"obdelnik_desk", {{"obd_a", 3}, {"obd_b", kInf}}},
    {"rovnobeznik_desk", {{"rov_a", 3}, {"rov_b", 2}, {"rov_alfa", 180}}},
    {"rovnobeznik_desk", {{"rov_a", kNaN}, {"rov_b", 2}, {"rov_alfa", 30}}},
    {"lichobeznik_desk", {{"lic_a", 3}, {"lic_c", 0}, {"lic_d", 2}, {"lic_alfa", 60}}},
    {"lichobeznik_desk", {{"lic_a", 3}, {"lic_c", 2}}},
    {"lichobeznik_desk", {{"lic_a", 3}, {"lic_c", 2}, {"lic_d", kInf}, {"lic_alfa", 60}}},
    {"n_uhelnik_desk", {{"uhe_n", 2}, {"uhe_a", 1}}},
    {"n_uhelnik_desk", {{"uhe_n", 1e9}, {"uhe_a", 1}}},
    {"n_uhelnik_desk", {{"uhe_n", kNaN}, {"uhe_a", 1}}},
    {"kruh_desk", {{"kru_r", 0}, {"kru_alfa", 360}}},
    {"kruh_desk", {{"kru_r", kInf}, {"kru_alfa", 360}}},
    {"kruh_desk", {{"kru_r", 5}, {"kru_alfa", 0}}},
    {"kruh_desk", {{"kru_r", 5}, {"kru_alfa", 400}}},
    {"no_such_sheet", {{"a", 1}}},
};

TEST(PlaneSketch, ValuesThatCloseNoFigureDrawNothing)
{
    for (const Degenerate& d : kNone)
        EXPECT_TRUE(sketch_figure(solved(d.page, d.values, {})).isEmpty()) << d.page << " " << d.values.size();
}

// Huge, tiny and very unequal values: finite coordinates inside the picture.
const Degenerate kExtreme[] = {
    {"trojuhelnik_desk", {{"troj_a", 1e300}, {"troj_b", 1e300}, {"troj_c", 1e300}}},
    {"trojuhelnik_desk", {{"troj_a", 1e-300}, {"troj_b", 1e-300}, {"troj_c", 1e-300}}},
    {"trojuhelnik_desk", {{"troj_a", 500.0005}, {"troj_b", 500.0005}, {"troj_c", 1000}}},
    {"trojuhelnik_p_desk", {{"tp_a", 1e300}, {"tp_b", 1e-300}, {"tp_c", 1e300}}},
    {"obdelnik_desk", {{"obd_a", 1000}, {"obd_b", 1}}},
    {"obdelnik_desk", {{"obd_a", 1e-300}, {"obd_b", 1e300}}},
    {"rovnobeznik_desk", {{"rov_a", 1e300}, {"rov_b", 1e300}, {"rov_alfa", 1e-9}}},
    {"lichobeznik_desk", {{"lic_a", 1e300}, {"lic_c", 1e-300}, {"lic_v", 1}, {"lic_alfa", 90}}},
    {"n_uhelnik_desk", {{"uhe_n", 1000}, {"uhe_a", 1e-300}}},
    {"kruh_desk", {{"kru_r", 1e-300}, {"kru_alfa", 1e-9}}},
};

TEST(PlaneSketch, ExtremeSizesStayFiniteAndInside)
{
    for (const Degenerate& d : kExtreme) {
        const QString svg = sketch_figure(solved(d.page, d.values, {}));
        const Read r = read(svg);
        ASSERT_TRUE(r.ok) << d.page;
        if (svg.isEmpty())
            continue;
        for (double x : r.numbers) {
            EXPECT_TRUE(std::isfinite(x)) << d.page;
            EXPECT_GE(x, 0) << d.page;
            EXPECT_LE(x, 420) << d.page;
        }
    }
    // The flat triangle, the long rectangle are still drawn.
    EXPECT_FALSE(sketch_figure(solved("trojuhelnik_desk", kExtreme[2].values, {})).isEmpty());
    EXPECT_FALSE(sketch_figure(solved("obdelnik_desk", kExtreme[4].values, {})).isEmpty());
}

} // namespace
