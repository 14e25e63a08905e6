// The pictures of the solids and of the statistics page, for every case of
// tests/batch that computes one: each successful calculation has one, it is
// well-formed SVG with every coordinate finite and inside it, every labelled
// quantity is a field of the solid showing that field's text and marked given
// exactly when it was filled before the run; the chart's bars count the data
// and its box plot stands where the page's median is.
#include "cases.h"
#include "svg_reader.h"

#include "stereometry/solids.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QRectF>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <set>

namespace {

using namespace qvk::batch_cases;
using namespace qvk::svg_reader;

// Every coordinate finite and inside the drawing (half a unit for the
// rounding of the written numbers).
void expect_inside(const Picture& p, const std::string& where)
{
    ASSERT_GT(p.width, 0) << where;
    ASSERT_GT(p.height, 0) << where;
    auto inside = [&](double x, double y, const Element& e) {
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y)) << where << " " << e.name.toStdString();
        EXPECT_TRUE(x >= -0.5 && x <= p.width + 0.5 && y >= -0.5 && y <= p.height + 0.5)
            << where << " " << e.name.toStdString() << " at " << x << ", " << y;
    };
    for (const Element& e : p.elements) {
        if (e.name == u"line") {
            inside(e.number("x1"), e.number("y1"), e);
            inside(e.number("x2"), e.number("y2"), e);
        } else if (e.name == u"rect") {
            inside(e.number("x"), e.number("y"), e);
            inside(e.number("x") + e.number("width"), e.number("y") + e.number("height"), e);
            EXPECT_GE(e.number("width"), 0) << where;
            EXPECT_GE(e.number("height"), 0) << where;
        } else if (e.name == u"circle") {
            const double r = e.number("r");
            inside(e.number("cx") - r, e.number("cy") - r, e);
            inside(e.number("cx") + r, e.number("cy") + r, e);
        } else if (e.name == u"ellipse") {
            const double rx = e.number("rx"), ry = e.number("ry");
            inside(e.number("cx") - rx, e.number("cy") - ry, e);
            inside(e.number("cx") + rx, e.number("cy") + ry, e);
        } else if (e.name == u"polygon" || e.name == u"polyline") {
            for (const QString& pair : e.attr("points").split(u' ', Qt::SkipEmptyParts)) {
                const QStringList xy = pair.split(u',');
                ASSERT_EQ(xy.size(), 2) << where;
                inside(xy[0].toDouble(), xy[1].toDouble(), e);
            }
        } else if (e.name == u"path") {
            // The ends of its pieces: "M x y", "L x y", "A rx ry 0 f f x y".
            static const QRegularExpression number(QStringLiteral(R"(-?[0-9.]+(e[-+]?[0-9]+)?)"));
            std::vector<double> ns;
            for (auto it = number.globalMatch(e.attr("d")); it.hasNext();)
                ns.push_back(it.next().captured().toDouble());
            for (double v : ns)
                EXPECT_TRUE(std::isfinite(v)) << where;
            ASSERT_GE(ns.size(), 2u) << where;
            inside(ns[0], ns[1], e);
            inside(ns[ns.size() - 2], ns.back(), e);
        } else if (e.name == u"text") {
            inside(e.number("x"), e.number("y"), e);
        }
    }
}

// What follows "name = " in a label.
QString shown_value(const QString& label)
{
    const qsizetype eq = label.indexOf(QStringLiteral(" = "));
    return eq < 0 ? QString() : label.mid(eq + 3);
}

// The labels of quantities cover one another nowhere (the writer's estimate
// of a text's size).
void expect_apart(const Picture& p, const std::string& where)
{
    std::vector<QRectF> boxes;
    for (const Element& e : p.elements)
        if (e.name == u"text" && !e.attr("data-field").isEmpty()) {
            const double size = e.number("font-size");
            const double w = 0.6 * size * static_cast<double>(e.text.size()) + 2, h = size + 2;
            boxes.emplace_back(e.number("x") - w / 2, e.number("y") - size / 3 - h / 2, w, h);
        }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersected(boxes[j]).width() > 0.5 && boxes[i].intersected(boxes[j]).height() > 0.5)
                << where << ": two labels over each other";
}

const qvk::stereometry::Solid* solid_with(const QString& field)
{
    for (const qvk::stereometry::Solid& s : qvk::stereometry::solids())
        for (const auto& f : s.fields)
            if (field == QLatin1String(f.name))
                return &s;
    return nullptr;
}

void check_solid(const Picture& p, const QJsonObject& before, const QJsonObject& after, const std::string& where)
{
    std::map<QString, const Element*> labels;
    for (const Element& e : p.elements)
        if (e.name == u"text" && !e.attr("data-field").isEmpty()) {
            const QString field = e.attr("data-field");
            EXPECT_TRUE(labels.emplace(field, &e).second) << where << " " << field.toStdString() << " labelled twice";
        }
    ASSERT_FALSE(labels.empty()) << where;
    const qvk::stereometry::Solid* solid = solid_with(labels.begin()->first);
    ASSERT_NE(solid, nullptr) << where << " " << labels.begin()->first.toStdString();
    // Every quantity of the solid, at its place or in the list above it.
    for (const auto& f : solid->fields) {
        const QString field = QString::fromLatin1(f.name);
        const auto it = labels.find(field);
        ASSERT_NE(it, labels.end()) << where << " " << f.name << " not labelled";
        const Element& e = *it->second;
        EXPECT_EQ(shown_value(e.text), after[field].toString()) << where << " " << f.name << ": " << e.text.toStdString();
        const bool given = !before[field].toString().isEmpty();
        EXPECT_EQ(e.attr("data-given"), given ? u"1" : u"0") << where << " " << f.name;
        labels.erase(it);
    }
    for (const auto& [field, e] : labels)
        ADD_FAILURE() << where << " " << field.toStdString() << " is no field of the solid";
}

const Element* only(const Picture& p, const char* part, const char* name)
{
    const Element* found = nullptr;
    for (const Element& e : p.elements)
        if (e.attr("data-part") == QLatin1String(part) && e.name == QLatin1String(name)) {
            if (found)
                return nullptr;
            found = &e;
        }
    return found;
}

double decimal(QString t)
{
    bool ok = false;
    const double v = t.replace(u',', u'.').toDouble(&ok);
    return ok ? v : NAN;
}

void check_chart(const Picture& p, const QJsonObject& after, int places, const std::string& where)
{
    // The histogram's bars count every value once.
    qint64 counted = 0;
    int bars = 0;
    bool boxplot = false;
    for (const Element& e : p.elements) {
        if (e.parts.contains(u"histogram") && e.name == u"rect") {
            bool ok = false;
            counted += e.attr("data-count").toLongLong(&ok);
            EXPECT_TRUE(ok) << where << " a bar without its count";
            ++bars;
        }
        boxplot = boxplot || e.attr("data-part") == u"boxplot";
    }
    EXPECT_TRUE(boxplot) << where;
    EXPECT_GE(bars, 1) << where;
    const qint64 n = after[u"stat_prvky"].toString().toLongLong();
    EXPECT_EQ(counted, n) << where;
    // Sturges: ⌈log₂ n⌉ + 1 classes, one when every value is the same.
    const int sturges = static_cast<int>(std::ceil(std::log2(static_cast<double>(n)) - 1e-9)) + 1;
    const QStringList data = after[u"data"].toString().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(data.isEmpty()) << where;
    // Values that differ beyond the digits shown may look equal.
    const bool alike = data.front() == data.back() && after[u"stat_vr"] == QStringLiteral("0");
    EXPECT_TRUE(bars == sturges || (alike && bars == 1)) << where << ": " << bars << " classes";

    const Element* axis = only(p, "axis", "line");
    const Element* box = only(p, "box", "rect");
    const Element* median = only(p, "median", "line");
    ASSERT_TRUE(axis && box && median) << where;
    std::vector<const Element*> whiskers;
    for (const Element& e : p.elements)
        if (e.attr("data-part") == u"whisker")
            whiskers.push_back(&e);
    ASSERT_EQ(whiskers.size(), 2u) << where;
    constexpr double slack = 0.02;
    const double low = whiskers[0]->number("x1"), q1 = box->number("x"), m = median->number("x1"),
                 q3 = box->number("x") + box->number("width"), high = whiskers[1]->number("x2");
    EXPECT_LE(low, q1 + slack) << where;
    EXPECT_LE(q1, m + slack) << where;
    EXPECT_LE(m, q3 + slack) << where;
    EXPECT_LE(q3, high + slack) << where;

    // The median on the axis's scale is the page's median.
    const double x1 = axis->number("x1"), x2 = axis->number("x2");
    const double from = axis->number("data-min"), to = axis->number("data-max");
    ASSERT_TRUE(std::isfinite(from) && std::isfinite(to) && to > from && x2 > x1) << where;
    const double value = from + (m - x1) / (x2 - x1) * (to - from);
    const double page = decimal(after[u"stat_median"].toString());
    const double tolerance = 0.01 / (x2 - x1) * (to - from) + 0.51 * std::pow(10.0, -places) + 1e-12 * std::abs(page);
    EXPECT_NEAR(value, page, tolerance) << where;
    // And the mean's mark where the page's mean is.
    const Element* mean = only(p, "mean", "polygon");
    ASSERT_TRUE(mean) << where;
    const double xMean = mean->attr("points").split(u' ').value(0).split(u',').value(0).toDouble();
    const double pageMean = decimal(after[u"stat_prumer"].toString());
    EXPECT_NEAR(from + (xMean - x1) / (x2 - x1) * (to - from), pageMean,
                0.01 / (x2 - x1) * (to - from) + 0.51 * std::pow(10.0, -places) + 1e-12 * std::abs(pageMean))
        << where;

    for (const Element& e : p.elements)
        if (e.name == u"text" && !e.attr("data-field").isEmpty()) {
            const QString field = e.attr("data-field");
            EXPECT_EQ(shown_value(e.text), after[field].toString()) << where << " " << field.toStdString();
            EXPECT_EQ(e.attr("data-given"), u"0") << where << " " << field.toStdString();
        }
}

bool refused(const QJsonObject& step)
{
    for (const QJsonValue& msg : step[u"messages"].toArray())
        if (msg[u"kind"] == QStringLiteral("error") || msg[u"kind"] == QStringLiteral("information"))
            return true;
    return false;
}

QJsonObject request(const QJsonObject& original, const QJsonArray& steps)
{
    QJsonObject r = original;
    r[u"steps"] = steps;
    r[u"explain"] = true;
    return r;
}

TEST(Pictures, EverySolidAndChartDrawnAndLabelledAsItsFields)
{
    const QString solid = QStringLiteral("vyres_d3Click"), chart = QStringLiteral("stat_vyresClick");
    // For every step that runs one: the state just before its run and just after.
    struct Probe {
        const Case* c;
        int step;
        bool stoppable;
    };
    std::vector<Case> cases = load_cases();
    std::vector<Probe> probes;
    QByteArray input;
    for (const Case& c : cases) {
        if (c.request.isEmpty())
            continue;
        const QJsonArray steps = c.request[u"steps"].toArray();
        for (qsizetype k = 0; k < steps.size(); ++k) {
            const QJsonObject step = steps[k].toObject();
            const QString run = step[u"run"].toString();
            if (run != solid && run != chart)
                continue;
            QJsonArray upTo, justBefore;
            for (qsizetype i = 0; i <= k; ++i)
                upTo.append(steps[i]);
            justBefore = upTo;
            QJsonObject last = step;
            last.remove(QStringLiteral("run"));
            last.remove(QStringLiteral("stop_after_polls"));
            justBefore[k] = last;
            input += QJsonDocument(request(c.request, justBefore)).toJson(QJsonDocument::Compact) + '\n';
            input += QJsonDocument(request(c.request, upTo)).toJson(QJsonDocument::Compact) + '\n';
            probes.push_back({&c, static_cast<int>(k), step.contains(u"stop_after_polls")});
        }
    }
    ASSERT_GE(probes.size(), 50u);
    const QList<QByteArray> answers = run_batch(input);
    ASSERT_GE(answers.size(), static_cast<qsizetype>(2 * probes.size()));

    int solids = 0, charts = 0;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const Probe& probe = probes[i];
        const std::string where = probe.c->file.toStdString() + ":" + std::to_string(probe.c->line) + " [" +
                                  probe.c->name.toStdString() + "] step " + std::to_string(probe.step);
        const QJsonObject before = QJsonDocument::fromJson(answers[static_cast<qsizetype>(2 * i)]).object();
        const QJsonObject after = QJsonDocument::fromJson(answers[static_cast<qsizetype>(2 * i + 1)]).object();
        ASSERT_FALSE(after.contains(u"fault")) << where;
        const QJsonObject step = after[u"steps"].toArray().at(probe.step).toObject();
        const QString run = probe.c->request[u"steps"].toArray().at(probe.step)[u"run"].toString();
        const QString svg = step[u"sketch"].toString();
        if (svg.isEmpty()) {
            // A stopped sort computes nothing and draws nothing; a solid with
            // a quantity 0 cannot be drawn; and a state no window reaches.
            bool flat = false;
            for (const qvk::stereometry::Solid& s : qvk::stereometry::solids())
                for (const auto& f : s.fields)
                    flat = flat || after[u"fields"][QLatin1String(f.name)] == QStringLiteral("0");
            EXPECT_TRUE(refused(step) || probe.stoppable || flat || probe.c->name.contains(QStringLiteral("computes nothing")))
                << where << ": a calculation without its picture";
            continue;
        }
        EXPECT_FALSE(refused(step)) << where << ": a refusal drew";
        const Picture p = read(svg);
        ASSERT_TRUE(p.error.isEmpty()) << where << ": " << p.error.toStdString();
        expect_inside(p, where);
        expect_apart(p, where);
        if (run == solid) {
            check_solid(p, before[u"fields"].toObject(), after[u"fields"].toObject(), where);
            ++solids;
        } else {
            const int places = probe.c->request[u"settings"].toObject()[u"zaokrouhleni"].toInt(2);
            check_chart(p, after[u"fields"].toObject(), places, where);
            ++charts;
        }
    }
    EXPECT_GE(solids, 30);
    EXPECT_GE(charts, 5);
    std::cout << solids << " solids and " << charts << " charts checked\n";
}

} // namespace
