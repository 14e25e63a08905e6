// Every case of tests/batch again with "explain": each plane figure's picture
// is measured against the fields the answer shows. The outline's sides,
// heights, diagonals, radii, angles, perimeter and area must be the fields'
// values at one common scale; every label names a field and shows its text,
// marked given exactly for the fields the case gave; labels stay inside the
// picture, clear of each other and of the outline.
#include "cases.h"
#include "svg_reader.h"

#include "sketch/svg.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <numbers>
#include <optional>

namespace {

using namespace qvk::batch_cases;
using namespace qvk::svg_reader;
using qvk::sketch::Point;
using qvk::sketch::Svg;

// The sheets in the order of the plane page's selector; by value: a field is
// given when its number is not 0, else when it holds any text.
struct Sheet {
    const char* prefix;
    bool by_value;
    const char* output = nullptr; // a field never read
};
constexpr Sheet kSheets[] = {{"tp_", false},  {"troj_", false}, {"ctv_", true},
                             {"obd_", true},  {"rov_", false},  {"lic_", false},
                             {"uhe_", true, "uhe_uhel"}, {"kru_", true}};

std::vector<Point> points(const QString& text)
{
    std::vector<Point> out;
    for (const QString& pair : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(u',');
        out.push_back({xy.value(0).toDouble(), xy.value(1).toDouble()});
    }
    return out;
}

// Every number that places something, with the elements' names.
std::vector<std::pair<QString, Point>> coordinates(const Picture& p)
{
    std::vector<std::pair<QString, Point>> out;
    for (const Element& e : p.elements) {
        const auto num = [&](const char* k) { return e.attr(k).toDouble(); };
        if (e.name == u"polygon" || e.name == u"polyline")
            for (Point q : points(e.attr("points")))
                out.emplace_back(e.name, q);
        else if (e.name == u"line") {
            out.emplace_back(e.name, Point{num("x1"), num("y1")});
            out.emplace_back(e.name, Point{num("x2"), num("y2")});
        } else if (e.name == u"circle") {
            const double r = num("r");
            out.emplace_back(e.name, Point{num("cx") - r, num("cy") - r});
            out.emplace_back(e.name, Point{num("cx") + r, num("cy") + r});
        } else if (e.name == u"text")
            out.emplace_back(e.name, Point{num("x"), num("y")});
        else if (e.name == u"path") {
            // Pairs of numbers after the commands (M x y, A rx ry rot large sweep x y).
            static const QRegularExpression number(QStringLiteral(R"([-+0-9.eE]+|[A-Za-z])"));
            std::vector<double> xs;
            QChar command;
            std::vector<double> args;
            auto flush = [&] {
                if (command == u'A' && args.size() >= 7)
                    out.emplace_back(e.name, Point{args[5], args[6]});
                else
                    for (std::size_t i = 0; i + 1 < args.size(); i += 2)
                        out.emplace_back(e.name, Point{args[i], args[i + 1]});
                args.clear();
            };
            for (auto it = number.globalMatch(e.attr("d")); it.hasNext();) {
                const QString t = it.next().captured();
                if (t[0].isLetter() && t != u"e" && t != u"E") {
                    flush();
                    command = t[0];
                } else {
                    bool ok = false;
                    args.push_back(t.toDouble(&ok));
                    if (!ok)
                        args.back() = NAN;
                }
            }
            flush();
        }
    }
    return out;
}

double angle_at(const std::vector<Point>& v, std::size_t i)
{
    const std::size_t n = v.size();
    const Point p = v[(i + n - 1) % n] - v[i], q = v[(i + 1) % n] - v[i];
    const double c = (p.x * q.x + p.y * q.y) / (std::hypot(p.x, p.y) * std::hypot(q.x, q.y));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
}

double to_line(Point p, Point a, Point b)
{
    const Point d = b - a;
    return std::fabs(d.x * (p.y - a.y) - d.y * (p.x - a.x)) / std::hypot(d.x, d.y);
}

double perimeter(const std::vector<Point>& v)
{
    double s = 0;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += qvk::sketch::distance(v[i], v[(i + 1) % v.size()]);
    return s;
}

double area(const std::vector<Point>& v)
{
    double s = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Point p = v[i], q = v[(i + 1) % v.size()];
        s += p.x * q.y - q.x * p.y;
    }
    return std::fabs(s) / 2;
}

enum class Kind { Length, Area, Angle, Count };

struct Measure {
    QString field;
    double value;
    Kind kind;
};

// What the outline says each field must be, by the figure's naming: triangle
// a = BC, b = CA, c = AB; quadrilateral a = AB, b = BC, c = CD, d = DA.
std::vector<Measure> measures(const QString& prefix, const std::vector<Point>& v, double radius,
                              const QJsonObject& fields)
{
    using qvk::sketch::distance;
    std::vector<Measure> m;
    const auto f = [&](const char* name) { return prefix + QString::fromLatin1(name); };
    const auto len = [&](const char* name, double x) { m.push_back({f(name), x, Kind::Length}); };
    const auto ang = [&](const char* name, double x) { m.push_back({f(name), x, Kind::Angle}); };
    const auto whole = [&](const char* o, const char* s) {
        m.push_back({f(o), perimeter(v), Kind::Length});
        m.push_back({f(s), area(v), Kind::Area});
    };
    const std::size_t n = v.size();
    if (prefix == u"kru_") {
        const double alpha = fields[u"kru_alfa"].toString().replace(u',', u'.').toDouble();
        const double theta = alpha * std::numbers::pi / 180;
        const bool segment = fields[u"kru_usec"].toString() == u"1" && alpha < 360;
        len("r", radius);
        len("o", radius * theta);
        m.push_back({f("s"), segment ? radius * radius * (theta - std::sin(theta)) / 2 : radius * radius * theta / 2,
                     Kind::Area});
        return m;
    }
    if (prefix == u"tp_" || prefix == u"troj_") {
        if (n != 3)
            return {};
        len("a", distance(v[1], v[2]));
        len("b", distance(v[2], v[0]));
        len("c", distance(v[0], v[1]));
        ang("alfa", angle_at(v, 0));
        ang("beta", angle_at(v, 1));
        if (prefix == u"troj_") {
            ang("gama", angle_at(v, 2));
            len("va", to_line(v[0], v[1], v[2]));
            len("vb", to_line(v[1], v[2], v[0]));
        } else {
            m.push_back({QStringLiteral("(right angle at C)"), angle_at(v, 2), Kind::Angle});
        }
        len("vc", to_line(v[2], v[0], v[1]));
        whole("obvod", "obsah");
        return m;
    }
    if (prefix == u"uhe_") {
        m.push_back({f("n"), static_cast<double>(n), Kind::Count});
        Point c{};
        for (Point p : v)
            c = c + p;
        c = (1.0 / static_cast<double>(n)) * c;
        for (std::size_t i = 0; i < n; ++i) {
            len("a", distance(v[i], v[(i + 1) % n]));
            len("r", distance(c, v[i]));
            len("p", distance(c, qvk::sketch::middle(v[i], v[(i + 1) % n])));
            ang("uhel", angle_at(v, i));
        }
        whole("o", "s");
        return m;
    }
    if (n != 4)
        return {};
    const double ab = distance(v[0], v[1]), bc = distance(v[1], v[2]), cd = distance(v[2], v[3]),
                 da = distance(v[3], v[0]);
    if (prefix == u"ctv_" || prefix == u"obd_") {
        for (double side : {ab, cd, prefix == u"ctv_" ? bc : ab, prefix == u"ctv_" ? da : cd})
            len("a", side);
        if (prefix == u"obd_")
            for (double side : {bc, da})
                len("b", side);
        len("u", distance(v[0], v[2]));
        len("u", distance(v[1], v[3]));
        for (std::size_t i = 0; i < 4; ++i)
            m.push_back({QStringLiteral("(right angle)"), angle_at(v, i), Kind::Angle});
        whole("o", "s");
        return m;
    }
    if (prefix == u"rov_") {
        len("a", ab), len("a", cd), len("b", bc), len("b", da);
        len("va", to_line(v[3], v[0], v[1]));
        len("vb", to_line(v[0], v[1], v[2]));
        ang("alfa", angle_at(v, 0)), ang("alfa", angle_at(v, 2));
        ang("beta", angle_at(v, 1)), ang("beta", angle_at(v, 3));
        whole("obvod", "obsah");
        return m;
    }
    if (prefix == u"lic_") {
        len("a", ab), len("b", bc), len("c", cd), len("d", da);
        ang("alfa", angle_at(v, 0)), ang("beta", angle_at(v, 1));
        ang("gama", angle_at(v, 2)), ang("delta", angle_at(v, 3));
        // AB ∥ CD: both ends of CD at the height.
        len("v", to_line(v[3], v[0], v[1]));
        len("v", to_line(v[2], v[0], v[1]));
        len("s", (ab + cd) / 2);
        whole("obvod", "obsah");
        return m;
    }
    return {};
}

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double x = QString(text).trimmed().replace(u',', u'.').toDouble(&ok);
    return ok ? std::optional<double>(x) : std::nullopt;
}

// The sheet's fields that the case gave for its last solve: the texts set
// since the sheet was last cleared (the circle's angle 360 from the start).
std::map<QString, QString> typed_fields(const QJsonArray& steps, const QString& prefix, const char* output)
{
    std::map<QString, QString> typed;
    const auto clear = [&] {
        typed.clear();
        if (prefix == u"kru_")
            typed[QStringLiteral("kru_alfa")] = QStringLiteral("360");
    };
    clear();
    for (const QJsonValue& s : steps) {
        const QJsonObject set = s[u"set"].toObject();
        for (auto it = set.begin(); it != set.end(); ++it)
            if (it.key().startsWith(prefix) && it.key() != QLatin1String(output ? output : ""))
                typed[it.key()] = it.value().toString();
        if (s[u"run"].toString() == u"vymaz_2dClick")
            clear();
    }
    return typed;
}

bool given(const std::map<QString, QString>& typed, const QString& field, bool by_value)
{
    const auto it = typed.find(field);
    if (it == typed.end() || it->second.trimmed().isEmpty())
        return false;
    if (!by_value)
        return true;
    const auto x = number(it->second);
    return x && *x != 0;
}

// Whether the segment pq crosses the rectangle's inside.
bool crosses(Point p, Point q, const QRectF& r)
{
    constexpr int kSteps = 64;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        if (r.contains(QPointF(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y))))
            return true;
    }
    return false;
}

// A triangle with no area (two angles that fill 180°, a leg as long as the
// hypotenuse) or with a negative side has no picture.
bool drawable(const QJsonObject& fields, const QString& prefix)
{
    if (prefix != u"troj_" && prefix != u"tp_")
        return true;
    int angles = 0;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (!it.key().startsWith(prefix) || it.value().toString().isEmpty())
            continue;
        if (const auto x = number(it.value().toString()); x && !(*x > 0))
            return false;
        if (it.key().endsWith(u"alfa") || it.key().endsWith(u"beta") || it.key().endsWith(u"gama"))
            ++angles;
    }
    return !fields[prefix + QStringLiteral("obsah")].toString().isEmpty() || (prefix == u"troj_" && angles == 3);
}

void check_picture(const std::string& where, const Picture& p)
{
    int outlines = 0;
    for (const Element& e : p.elements)
        if (e.attr("data-part") == u"outline")
            ++outlines;
    EXPECT_EQ(outlines, 1) << where;
    for (const auto& [name, q] : coordinates(p)) {
        EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y)) << where << " " << name.toStdString();
        EXPECT_TRUE(q.x >= -0.01 && q.x <= p.width + 0.01 && q.y >= -0.01 && q.y <= p.height + 0.01)
            << where << " " << name.toStdString() << " at " << q.x << ", " << q.y;
    }
    // Labels inside, clear of each other and of the outline.
    std::vector<std::pair<QRectF, QString>> boxes;
    std::vector<Point> outline;
    for (const Element& e : p.elements)
        if (e.attr("data-part") == u"outline" && e.name == u"polygon")
            outline = points(e.attr("points"));
    for (const Element& e : p.elements) {
        if (e.name != u"text" || e.attr("text-anchor") != u"middle")
            continue;
        const double size = e.attr("font-size").toDouble();
        // The text's centre sits a third of its height above the baseline.
        const QRectF box = Svg::box({e.attr("x").toDouble(), e.attr("y").toDouble() - size / 3}, e.text, size)
                               .adjusted(1, 1, -1, -1);
        EXPECT_TRUE(QRectF(0, 0, p.width, p.height).contains(box)) << where << " label " << e.text.toStdString();
        for (const auto& [other, text] : boxes)
            EXPECT_FALSE(box.intersects(other)) << where << " labels over each other: " << e.text.toStdString()
                                                << " / " << text.toStdString();
        for (std::size_t i = 0; i < outline.size(); ++i)
            EXPECT_FALSE(crosses(outline[i], outline[(i + 1) % outline.size()], box))
                << where << " label over the outline: " << e.text.toStdString();
        boxes.emplace_back(box, e.text);
    }
}

// The last step's picture against the answer's fields.
void check_values(const std::string& where, const Picture& p, const QJsonObject& fields, const QJsonArray& steps,
                  int places)
{
    const int page = fields[u"d2_page"].toString().toInt();
    ASSERT_TRUE(page >= 0 && page < static_cast<int>(std::size(kSheets))) << where;
    const Sheet sheet = kSheets[page];
    const QString prefix = QString::fromLatin1(sheet.prefix);
    const auto typed = typed_fields(steps, prefix, sheet.output);

    // Labels: a field of the sheet, its text, given as the case gave it.
    for (const Element& e : p.elements) {
        if (e.name != u"text" || e.at.count(QStringLiteral("data-field")) == 0)
            continue;
        const QString field = e.attr("data-field");
        ASSERT_TRUE(field.startsWith(prefix) && fields.contains(field)) << where << " " << field.toStdString();
        const QString shown = fields[field].toString();
        EXPECT_FALSE(shown.isEmpty()) << where << " " << field.toStdString() << " labelled but empty";
        const QRegularExpression label(QStringLiteral("^\\S+ = %1°?$").arg(QRegularExpression::escape(shown)));
        EXPECT_TRUE(label.match(e.text).hasMatch())
            << where << " " << field.toStdString() << ": label \"" << e.text.toStdString() << "\", field \""
            << shown.toStdString() << "\"";
        EXPECT_EQ(e.attr("data-given"), given(typed, field, sheet.by_value) ? u"1" : u"0")
            << where << " " << field.toStdString();
    }

    // The outline measured.
    std::vector<Point> v;
    double radius = 0;
    for (const Element& e : p.elements)
        if (e.attr("data-part") == u"outline") {
            if (e.name == u"polygon")
                v = points(e.attr("points"));
            else if (e.name == u"circle")
                radius = e.attr("r").toDouble();
        }
    ASSERT_TRUE(prefix == u"kru_" ? radius > 0 : v.size() >= 3) << where;
    const std::vector<Measure> ms = measures(prefix, v, radius, fields);
    ASSERT_FALSE(ms.empty()) << where << ": not the sheet's figure";

    const double unit = std::pow(10.0, -places);
    // The scale from the longest length shown.
    double scale = 0, reference = 0;
    for (const Measure& m : ms) {
        if (m.kind != Kind::Length)
            continue;
        if (const auto x = number(fields[m.field].toString()); x && *x > reference) {
            reference = *x;
            scale = m.value / *x;
        }
    }
    // The picture's own rounding: coordinates to 0,01 of a drawing unit.
    double shortest = p.width;
    for (std::size_t i = 0; i < v.size(); ++i)
        shortest = std::min(shortest, qvk::sketch::distance(v[i], v[(i + 1) % v.size()]));
    int checked = 0;
    for (const Measure& m : ms) {
        const bool right = m.field.startsWith(u'(');
        const auto x = right ? std::optional<double>(90) : number(fields[m.field].toString());
        if (!x)
            continue; // not shown: nothing to measure against
        double expected = 0, tolerance = 0;
        switch (m.kind) {
        case Kind::Count:
            EXPECT_EQ(m.value, *x) << where << " " << m.field.toStdString();
            continue;
        case Kind::Angle:
            expected = *x;
            tolerance = 1.01 * unit + 0.03 / shortest * 180 / std::numbers::pi;
            break;
        case Kind::Length:
            if (!(scale > 0))
                continue;
            expected = *x * scale;
            tolerance = scale * unit * (1 + *x / reference) + 0.03 + 1e-6 * expected;
            break;
        case Kind::Area:
            if (!(scale > 0))
                continue;
            expected = *x * scale * scale;
            tolerance = scale * scale * unit * (1 + 2 * *x / reference) +
                        0.03 * (v.empty() ? 2 * std::numbers::pi * radius : perimeter(v)) + 1e-6 * expected;
            break;
        }
        EXPECT_NEAR(m.value, expected, tolerance) << where << " " << m.field.toStdString() << " = "
                                                  << fields[m.field].toString().toStdString() << " at scale "
                                                  << scale;
        ++checked;
    }
    EXPECT_GT(checked, 0) << where;
}

TEST(PlaneSketches, EveryPlaneFigureIsDrawnToScaleWithItsFieldsLabelled)
{
    std::vector<Case> cases;
    for (Case& c : load_cases())
        if (!c.request.isEmpty())
            cases.push_back(c);
    QByteArray input;
    for (const Case& c : cases) {
        QJsonObject r = c.request;
        r[u"explain"] = true;
        input += QJsonDocument(r).toJson(QJsonDocument::Compact) + '\n';
    }
    const QList<QByteArray> answers = run_batch(input);
    ASSERT_GE(answers.size(), static_cast<qsizetype>(cases.size()));

    int pictures = 0, measured = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string where = c.file.toStdString() + ":" + std::to_string(c.line) + " [" + c.name.toStdString() + "]";
        const QJsonObject a = QJsonDocument::fromJson(answers[static_cast<qsizetype>(i)]).object();
        if (a.contains(u"fault"))
            continue;
        const QJsonArray steps = a[u"steps"].toArray();
        const QJsonArray asked = c.request[u"steps"].toArray();
        const QJsonObject fields = a[u"fields"].toObject();
        const int places = c.request[u"settings"].toObject()[u"zaokrouhleni"].toInt(2);
        for (qsizetype k = 0; k < steps.size(); ++k) {
            const QJsonObject step = steps[k].toObject();
            const QString run = asked[k][u"run"].toString();
            const QString svg = step[u"sketch"].toString();
            const std::string at = where + " step " + std::to_string(k);
            bool refused = c.name.contains(QStringLiteral("computes nothing"));
            for (const QJsonValue& msg : step[u"messages"].toArray())
                refused = refused || msg[u"kind"] == QStringLiteral("error") ||
                          msg[u"kind"] == QStringLiteral("information");
            const bool last = k + 1 == steps.size();
            const bool plane = run == u"vyres_d2Click" || run == u"troj_tupClick";
            if (run == u"vyres_d2Click" && !refused) {
                const int page = fields[u"d2_page"].toString().toInt();
                const QString prefix = page >= 0 && page < static_cast<int>(std::size(kSheets))
                                           ? QString::fromLatin1(kSheets[page].prefix)
                                           : QString();
                if (!last || drawable(fields, prefix)) {
                    EXPECT_FALSE(svg.isEmpty()) << at << ": a plane calculation drew nothing";
                }
            }
            if (svg.isEmpty() || !plane)
                continue;
            const Picture p = read(svg);
            ASSERT_TRUE(p.error.isEmpty() && p.width > 0 && p.height > 0) << at << ": " << p.error.toStdString();
            ++pictures;
            check_picture(at, p);
            if (last) {
                check_values(at, p, fields, asked, places);
                ++measured;
            }
        }
    }
    std::cout << pictures << " plane pictures checked, " << measured << " measured\n";
    EXPECT_GT(measured, 50);
}

} // namespace
