// The chart of a data set: a histogram with Sturges' classes over a box plot,
// both on one number axis.
#include "statistics/statistics.h"
#include "core/numeric.h"
#include "sketch/svg.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace qvk::statistics {

namespace {

using sketch::Ink;
using sketch::Point;
using sketch::Svg;
using sketch::Value;
using L = long double;

constexpr double kWidth = 480, kHeight = 326;
constexpr double kLeft = 44, kRight = 456; // the axis's ends
constexpr double kBarsTop = 46, kBarsBottom = 168;
constexpr double kBoxTop = 196, kBoxBottom = 218;
constexpr double kAxis = 246;

// The median of sorted values from `from` to `to` (exclusive), halves first
// so that two huge values cannot overflow.
L median_of(const std::vector<double>& x, std::size_t from, std::size_t to)
{
    const std::size_t count = to - from, mid = from + count / 2;
    if (count % 2 != 0)
        return x[mid];
    return static_cast<L>(x[mid - 1]) / 2 + static_cast<L>(x[mid]) / 2;
}

// A round step (1, 2 or 5 times a power of ten) of about `span / parts`.
L round_step(L span, int parts)
{
    const L raw = span / parts;
    const L power = std::pow(10.0L, std::floor(std::log10(raw)));
    const L f = raw / power;
    return (f < 1.5L ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10) * power;
}
L next_step(L step)
{
    const L power = std::pow(10.0L, std::floor(std::log10(step) + 1e-9L));
    const L f = std::round(step / power);
    return (f < 2 ? 2 : f < 5 ? 5 : 10) * power;
}

QString count_text(qsizetype n) { return QString::number(n); }

class Chart {
public:
    Chart(const StatisticsResult& r, int places) : r_(r), places_(places), svg_(kWidth, kHeight, QStringLiteral("Statistika"))
    {
        const std::vector<double>& x = r.sorted;
        lo_ = x.front();
        hi_ = x.back();
        if (!(hi_ > lo_)) {
            // One value: an axis around it.
            const L d = lo_ != 0 ? std::abs(lo_) / 2 : 1;
            lo_ -= d;
            hi_ += d;
        }
    }

    double at(L v) const { return static_cast<double>(kLeft + (v - lo_) / (hi_ - lo_) * (kRight - kLeft)); }

    QString draw()
    {
        const std::vector<double>& x = r_.sorted;
        const std::size_t n = x.size();
        // Quartiles as the medians of the lower and the upper half, the
        // middle value of an odd count in neither.
        const L q1 = median_of(x, 0, n / 2), q3 = median_of(x, (n + 1) / 2, n);
        const L iqr = q3 - q1;
        const L below = q1 - 1.5L * iqr, above = q3 + 1.5L * iqr;
        std::size_t first = 0, last = n - 1;
        while (first < n && x[first] < below)
            ++first;
        while (last > 0 && x[last] > above)
            --last;

        histogram();
        axis();

        svg_.begin(QStringLiteral("boxplot"));
        const double mid = (kBoxTop + kBoxBottom) / 2;
        const double xq1 = at(q1), xq3 = at(q3), xm = at(r_.median), xmean = at(r_.mean);
        svg_.line({at(x[first]), mid}, {xq1, mid}, Ink::Outline, QStringLiteral("whisker"));
        svg_.line({xq3, mid}, {at(x[last]), mid}, Ink::Outline, QStringLiteral("whisker"));
        for (const double end : {at(x[first]), at(x[last])})
            svg_.line({end, mid - 6}, {end, mid + 6}, Ink::Outline);
        svg_.rect(QRectF(xq1, kBoxTop, xq3 - xq1, kBoxBottom - kBoxTop), Ink::Fill, QStringLiteral("box"));
        svg_.line({xm, kBoxTop}, {xm, kBoxBottom}, Ink::Accent, QStringLiteral("median"));
        svg_.polygon({{xmean, mid - 5}, {xmean + 5, mid}, {xmean, mid + 5}, {xmean - 5, mid}}, Ink::Accent,
                     QStringLiteral("mean"));

        // The words before the outliers, so that many points cost them nothing.
        labels(q1, q3, xm, xmean);

        // One point per place on the drawing: ten thousand equal outliers are one.
        std::set<long> drawn;
        for (std::size_t i = 0; i < n; ++i) {
            if (i >= first && i <= last)
                continue;
            const double px = at(x[i]);
            if (drawn.insert(std::lround(px / 2)).second)
                svg_.circle({px, mid}, 3, Ink::Outline, QStringLiteral("outlier"));
        }
        svg_.end();

        notes();
        return svg_.document();
    }

private:
    void histogram()
    {
        const std::vector<double>& x = r_.sorted;
        const qsizetype n = static_cast<qsizetype>(x.size());
        int k = 1;
        while ((qsizetype{1} << (k - 1)) < n)
            ++k;
        // k = ⌈log₂ n⌉ + 1, over the range of the values.
        const int classes = x.front() < x.back() ? k : 1;
        std::vector<qsizetype> counts(static_cast<std::size_t>(classes), 0);
        L from = x.front(), width = (static_cast<L>(x.back()) - x.front()) / classes;
        if (classes == 1) {
            width = (hi_ - lo_) / 5;
            from = x.front() - width / 2;
            counts[0] = n;
        } else {
            for (double v : x) {
                const L t = (v - from) / width;
                const int i = std::clamp(static_cast<int>(std::floor(t)), 0, classes - 1);
                ++counts[static_cast<std::size_t>(i)];
            }
        }
        const qsizetype most = *std::max_element(counts.begin(), counts.end());

        svg_.caption({kLeft, 14},
                     QStringLiteral("Histogram: Sturgesovo pravidlo k = ⌈log₂ n⌉ + 1 = %1 tříd stejné šířky").arg(k));
        if (classes == 1)
            svg_.caption({kLeft, 27}, QStringLiteral("všechny hodnoty jsou stejné: jedna třída"));

        // The count scale at the left.
        svg_.line({kLeft - 8, kBarsTop}, {kLeft - 8, kBarsBottom}, Ink::Outline);
        for (const qsizetype c : {qsizetype{0}, most}) {
            const double y = kBarsBottom - static_cast<double>(c) / static_cast<double>(most) * (kBarsBottom - kBarsTop);
            svg_.line({kLeft - 11, y}, {kLeft - 8, y}, Ink::Outline);
            const QString t = count_text(c);
            svg_.caption({kLeft - 13 - 0.6 * Svg::kSmall * static_cast<double>(t.size()), y + 4}, t);
        }

        svg_.begin(QStringLiteral("histogram"));
        for (int i = 0; i < classes; ++i) {
            const qsizetype c = counts[static_cast<std::size_t>(i)];
            const double left = at(from + i * width), right = at(from + (i + 1) * width);
            const double h = static_cast<double>(c) / static_cast<double>(most) * (kBarsBottom - kBarsTop);
            svg_.data(QStringLiteral("count"), count_text(c));
            svg_.rect(QRectF(left, kBarsBottom - h, right - left, h), Ink::Fill, QStringLiteral("bar"));
        }
        svg_.end();
        // A class's count over its bar where it fits.
        for (int i = 0; i < classes; ++i) {
            const qsizetype c = counts[static_cast<std::size_t>(i)];
            const double left = at(from + i * width), right = at(from + (i + 1) * width);
            const QString t = count_text(c);
            const double w = 0.6 * 9 * static_cast<double>(t.size());
            const double h = static_cast<double>(c) / static_cast<double>(most) * (kBarsBottom - kBarsTop);
            if (c > 0 && w + 2 < right - left)
                svg_.caption({(left + right) / 2 - w / 2, kBarsBottom - h - 3}, t, 9);
        }
    }

    void axis()
    {
        svg_.data(QStringLiteral("min"), QString::number(static_cast<double>(lo_), 'g', 17));
        svg_.data(QStringLiteral("max"), QString::number(static_cast<double>(hi_), 'g', 17));
        svg_.line({kLeft, kAxis}, {kRight, kAxis}, Ink::Outline, QStringLiteral("axis"));
        // A few round values, as many as their texts leave room for.
        L step = round_step(hi_ - lo_, 5);
        for (int tries = 0; tries < 8; ++tries, step = next_step(step)) {
            std::vector<std::pair<double, QString>> ticks;
            const L first = std::ceil(lo_ / step), last = std::floor(hi_ / step);
            if (!(last - first < 30))
                continue;
            for (L i = first; i <= last; ++i) {
                const L v = i * step;
                ticks.emplace_back(at(v), format_number(v == 0 ? 0 : v));
            }
            bool room = ticks.size() >= 2 || tries == 7;
            for (std::size_t i = 1; i < ticks.size() && room; ++i)
                room = ticks[i - 1].second != ticks[i].second &&
                       ticks[i].first - ticks[i - 1].first >
                           0.3 * Svg::kSmall * static_cast<double>(ticks[i - 1].second.size() + ticks[i].second.size()) + 8;
            if (!room)
                continue;
            for (const auto& [px, text] : ticks) {
                svg_.line({px, kAxis}, {px, kAxis + 4}, Ink::Outline);
                const double w = 0.6 * Svg::kSmall * static_cast<double>(text.size());
                svg_.caption({std::clamp(px - w / 2, 0.0, kWidth - w), kAxis + 15}, text);
            }
            return;
        }
    }

    void labels(L q1, L q3, double xm, double xmean)
    {
        const double above = kBoxTop - 10, under = kBoxBottom + 10;
        // Pushed aside towards `away` (-1 left, 1 right) when the place is taken.
        auto near = [](double x, double y, const QString& text, double away) {
            const double w = Svg::box({}, text).width();
            std::vector<Point> out;
            for (const double shift : {0.0, 0.5, 1.0, 1.5, 2.0})
                out.push_back({std::clamp(x + away * shift * w, w / 2 + 1, kWidth - w / 2 - 1), y});
            return out;
        };
        auto both = [&](double x, const QString& text, bool up, double away) {
            std::vector<Point> a = near(x, up ? above : under, text, away), b = near(x, up ? under : above, text, away);
            a.insert(a.end(), b.begin(), b.end());
            return a;
        };
        // The median and the mean keep their order.
        const double side = xmean < xm ? -1 : 1;
        const QString median = QStringLiteral("x̃ = ") + statistic_text(r_.median, places_);
        svg_.label(both(xm, median, true, -side), median, QStringLiteral("stat_median"), Value::Computed);
        const QString mean = QStringLiteral("x̄ = ") + statistic_text(r_.mean, places_);
        svg_.label(both(xmean, mean, true, side), mean, QStringLiteral("stat_prumer"), Value::Computed);
        const QString lower = QStringLiteral("Q₁ = ") + statistic_text(static_cast<double>(q1), places_);
        svg_.label(both(at(q1), lower, false, -1), lower, QString(), Value::Computed);
        const QString upper = QStringLiteral("Q₃ = ") + statistic_text(static_cast<double>(q3), places_);
        svg_.label(both(at(q3), upper, false, 1), upper, QString(), Value::Computed);
    }

    void notes()
    {
        svg_.caption({6, kHeight - 34},
                     QStringLiteral("krabicový graf: kvartily Q₁, Q₃ jako mediány dolní a horní poloviny dat"));
        svg_.caption({6, kHeight - 20},
                     QStringLiteral("(při lichém n bez mediánu); vousy k nejvzdálenějším hodnotám do 1,5·(Q₃ − Q₁)"));
        svg_.caption({6, kHeight - 6}, QStringLiteral("○ odlehlé hodnoty   ◇ průměr x̄   | medián x̃"));
    }

    const StatisticsResult& r_;
    int places_;
    Svg svg_;
    L lo_ = 0, hi_ = 1;
};

} // namespace

QString statistics_chart(const StatisticsResult& r, int places)
{
    if (r.stopped || r.failure || r.sorted.size() < 2)
        return {};
    for (double v : {r.sorted.front(), r.sorted.back(), r.mean, r.median})
        if (!std::isfinite(v))
            return {};
    try {
        return Chart(r, places).draw();
    } catch (...) {
        // A picture is never worth a fault.
    }
    return {};
}

} // namespace qvk::statistics
