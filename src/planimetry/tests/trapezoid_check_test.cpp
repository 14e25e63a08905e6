// Every trapezoid of tests/batch that was solved, checked by geometry of its
// own: the figure is built from the answer's numbers (D from d and α, C from
// b and β) and every relation of the answer is measured on it.
#include "batch/protocol.h"
#include "batch/tests/cases.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kDeg = 180 / std::numbers::pi;

const char* const kFields[] = {"lic_a", "lic_b", "lic_c", "lic_d", "lic_alfa", "lic_beta",
                               "lic_gama", "lic_delta", "lic_v", "lic_s", "lic_obvod", "lic_obsah"};

struct Point {
    double x, y;
};
Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
double length(Point p) { return std::hypot(p.x, p.y); }
// The angle at `at` between the rays to p and q, in degrees.
double angle(Point at, Point p, Point q)
{
    const Point u = p - at, w = q - at;
    return std::atan2(u.x * w.y - u.y * w.x, u.x * w.x + u.y * w.y) * kDeg;
}

std::optional<double> number(const QJsonObject& fields, const char* name)
{
    QString t = fields[QLatin1String(name)].toString();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

struct Solved {
    QString where;
    int places = 2;
    double a, b, c, d, alfa, beta, gama, delta, v, s, o, area;
};

// The trapezoid requests of the case files whose answer shows every field.
std::vector<Solved> solved_cases()
{
    std::vector<Solved> out;
    for (const qvk::batch_cases::Case& c : qvk::batch_cases::load_cases()) {
        if (c.request.isEmpty() || !c.input.contains("lic_"))
            continue;
        const QJsonObject answer = QJsonDocument::fromJson(qvk::batch::answer(c.input)).object();
        bool refused = false;
        for (const QJsonValue& step : answer[u"steps"].toArray())
            refused = refused || !step[u"messages"].toArray().isEmpty();
        const QJsonObject fields = answer[u"fields"].toObject();
        double v[12];
        bool all = !refused;
        for (int i = 0; i < 12 && all; ++i) {
            const auto x = number(fields, kFields[i]);
            all = x.has_value();
            v[i] = x.value_or(0);
        }
        if (!all)
            continue;
        out.push_back({c.file + u':' + QString::number(c.line) + u' ' + c.name,
                       c.request[u"settings"].toObject()[u"zaokrouhleni"].toInt(2), v[0], v[1], v[2], v[3], v[4], v[5],
                       v[6], v[7], v[8], v[9], v[10], v[11]});
    }
    return out;
}

TEST(TrapezoidCheck, EverySolvedTrapezoidMeasuresAsItsAnswerSays)
{
    const std::vector<Solved> cases = solved_cases();
    ASSERT_GE(cases.size(), 40u);
    for (const Solved& t : cases) {
        const std::string where = t.where.toStdString();
        // Every number shown is off by half a unit of its last place; a
        // vertex placed by a length and an angle by that and the angle's part.
        const double half = 0.5 * std::pow(10.0, -t.places);
        const double longest = std::max({t.a, t.b, t.c, t.d});
        const double shortest = std::min({t.a, t.b, t.c, t.d, t.v});
        const double place = 1.5 * half * (1 + longest / kDeg);
        const double lengths = 3 * place + half;
        const double angles = kDeg * 3 * place / shortest + half;

        const Point A{0, 0}, B{t.a, 0};
        const Point D{t.d * std::cos(t.alfa / kDeg), t.d * std::sin(t.alfa / kDeg)};
        const Point C{t.a - t.b * std::cos(t.beta / kDeg), t.b * std::sin(t.beta / kDeg)};

        // CD parallel to AB, as long as c and the same way round: ABCD is a
        // trapezoid, not a crossed quadrilateral.
        EXPECT_NEAR(C.y, D.y, lengths) << where;
        EXPECT_NEAR(C.x - D.x, t.c, lengths) << where;
        EXPECT_NEAR(length(C - D), t.c, lengths) << where;
        EXPECT_NEAR(length(B - A), t.a, half) << where;
        EXPECT_NEAR(length(C - B), t.b, lengths) << where;
        EXPECT_NEAR(length(A - D), t.d, lengths) << where;

        // The angles at the vertices, counterclockwise from one side to the next.
        EXPECT_NEAR(angle(A, B, D), t.alfa, angles) << where;
        EXPECT_NEAR(angle(B, C, A), t.beta, angles) << where;
        EXPECT_NEAR(angle(C, D, B), t.gama, angles) << where;
        EXPECT_NEAR(angle(D, A, C), t.delta, angles) << where;
        EXPECT_NEAR(t.alfa + t.beta + t.gama + t.delta, 360, 4 * half) << where;

        EXPECT_GT(t.v, 0) << where;
        EXPECT_NEAR(D.y, t.v, lengths) << where;
        EXPECT_NEAR(C.y, t.v, lengths) << where;
        EXPECT_NEAR(t.s, (t.a + t.c) / 2, 2 * half) << where;
        EXPECT_NEAR(t.o, t.a + t.b + t.c + t.d, 5 * half) << where;
        const Point p[] = {A, B, C, D};
        double shoelace = 0;
        for (int i = 0; i < 4; ++i)
            shoelace += p[i].x * p[(i + 1) % 4].y - p[(i + 1) % 4].x * p[i].y;
        EXPECT_NEAR(shoelace / 2, t.area, 2 * (t.a + t.b + t.c + t.d) * place + half) << where;
    }
    std::cout << cases.size() << " solved trapezoids measured\n";
}

} // namespace
