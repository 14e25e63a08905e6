#include "sweep_inputs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <random>
#include <tuple>
#include <vector>

namespace qvk::sweep {

namespace {

// The engine's output is fixed by the C++ standard; the distributions are
// not, so every mapping below is our own.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t next() { return engine_(); }
    // lo..hi inclusive
    long long range(long long lo, long long hi)
    {
        return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(int percent) { return range(0, 99) < percent; }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    template <typename T>
    const T& pick(const std::vector<T>& v)
    {
        return v[static_cast<std::size_t>(next() % v.size())];
    }

private:
    std::mt19937_64 engine_;
};

// A number as a pupil types it: decimal comma, no trailing zeros.
QString cz(double x, int places)
{
    QString s = QString::number(x, 'f', places);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    return s.replace(u'.', u',');
}

QString num(long long v) { return QString::number(v); }

// Texts that no number field accepts, or only some do.
const std::vector<QString> kJunk = {
    QString(), QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("1.5"), QStringLiteral("1,5,0"),
    QStringLiteral("1 000"), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral(","), QStringLiteral("1E"),
    QStringLiteral("1E5000"), QStringLiteral("1E400"), QStringLiteral(" 2 "), QStringLiteral("\t1"),
    QStringLiteral("0x10"), QStringLiteral("$F"), QStringLiteral("1e-400"), QStringLiteral("-0"),
};

struct Settings {
    int places = 2;
    int seconds = 0;
    bool listing = true;
    bool steps = true;
};

class Sweep {
public:
    explicit Sweep(std::uint64_t seed) : rng(seed) {}

    Rng rng;
    QList<QByteArray> out;

    // Settings drawn for one request; about a quarter of the requests keep the defaults.
    QJsonObject settings()
    {
        if (rng.chance(25))
            return {};
        static const std::vector<int> places = {2, 2, 2, 3, 4, 5, 7, 12};
        QJsonObject s;
        s[u"zaokrouhleni"] = rng.pick(places);
        s[u"zaokrouhleni_uh_vt"] = static_cast<int>(rng.range(0, 5));
        s[u"vypis_reseni"] = rng.chance(75);
        s[u"vypis_rovnic"] = rng.chance(75);
        return s;
    }

    void add(const QJsonArray& steps, const QJsonObject& settingsObject)
    {
        QJsonObject request;
        if (!settingsObject.isEmpty())
            request[u"settings"] = settingsObject;
        request[u"steps"] = steps;
        out.append(QJsonDocument(request).toJson(QJsonDocument::Compact));
    }
    void add(const QJsonArray& steps) { add(steps, settings()); }
    void raw(const QByteArray& line) { out.append(line); }
};

QJsonObject step(const QJsonObject& set, const QString& run = QString())
{
    QJsonObject s;
    if (!set.isEmpty())
        s[u"set"] = set;
    if (!run.isEmpty())
        s[u"run"] = run;
    return s;
}

QJsonObject run(const QString& event)
{
    return QJsonObject{{QStringLiteral("run"), event}};
}

QJsonObject typed(const QString& field, const QString& text, const QString& then = QString())
{
    QJsonObject s{{QStringLiteral("type"), QJsonObject{{QStringLiteral("field"), field}, {QStringLiteral("text"), text}}}};
    if (!then.isEmpty())
        s[u"run"] = then;
    return s;
}

// ---------------------------------------------------------------- quadratic

void quadratic(Sweep& w)
{
    const std::vector<std::array<const char*, 3>> curated = {
        {"2", "12", "16"},   {"1", "-2", "1"},     {"1", "0", "-4"},      {"-1", "0", "-1"},   {"1", "2", "1"},
        {"1", "-5", "6"},    {"", "1", "1"},       {"0", "1", "1"},       {"1", "1", "-1E4"},  {"1", "1E5", "1"},
        {"99999", "-9999", "99999"}, {"-9999", "99999", "-9999"}, {"1.5", "1", "1"}, {"abc", "1", "1"},
        {" 2 ", "3", "1"},   {",", "1", "1"},      {"1E", "1", "1"},      {"-1", "2", "-1"},   {"-2", "4", "6"},
        {"0,5", "-0,25", "0,03125"}, {"3", "0", "0"}, {"-3", "0", "0"},    {"1", "-1", "0"},    {"1", "1", "0"},
        {"1E400", "1", "1"}, {"1", "1E400", "1"},  {"1", "1", "1E400"},   {"+1", "-0", "0"},   {"-1", "1", "1"},
        {"1", "0", "1"},     {"-1", "0", "1"},     {"4", "4", "1"},       {"-4", "4", "-1"},   {"1", "-3", "2,25"},
        {"0,001", "1", "1"}, {"99999", "99999", "99999"}, {"-9999", "-9999", "-9999"}, {"1", "99999", "-9999"},
        {"2", "1E-5", "0"},  {"1", "", "1"},       {"1", "1", ""},        {"-1", "-1", "-1"},  {"1E-9", "1", "-1"},
        {"3", "1", "-0,001"}, {"1", "-0,2", "0,01"}, {"7", "-3", "-1"},   {"-0,5", "0,1", "2"},
    };
    for (const auto& t : curated) {
        for (int rel = 0; rel < 5; ++rel) {
            const QJsonObject set{{"a1", t[0]}, {"b1", t[1]}, {"c1", t[2]}, {"rovnice", QString::number(rel)}};
            w.add({step(set, rel % 2 ? QStringLiteral("rovniceChange") : QStringLiteral("kvreseniClick"))});
        }
    }
    // Small whole coefficients, from roots (real double roots included) and at random.
    for (int i = 0; i < 120; ++i) {
        QString a, b, c;
        if (i % 2 == 0) {
            const long long k = w.rng.pick(std::vector<long long>{1, -1, 2, -2, 3, -5});
            const long long r1 = w.rng.range(-6, 6);
            const long long r2 = w.rng.chance(30) ? r1 : w.rng.range(-6, 6);
            a = num(k);
            b = num(-k * (r1 + r2));
            c = num(k * r1 * r2);
        } else {
            a = num(w.rng.chance(5) ? 0 : w.rng.range(-12, 12));
            b = num(w.rng.range(-20, 20));
            c = num(w.rng.range(-30, 30));
        }
        const QJsonObject set{{"a1", a}, {"b1", b}, {"c1", c}, {"rovnice", num(w.rng.range(0, 4))}};
        w.add({step(set, w.rng.chance(50) ? QStringLiteral("rovniceChange") : QStringLiteral("kvreseniClick"))});
    }
    // Decimal coefficients.
    for (int i = 0; i < 80; ++i) {
        const QJsonObject set{{"a1", cz(w.rng.unit() * 20 - 10, 2)},
                              {"b1", cz(w.rng.unit() * 200 - 100, static_cast<int>(w.rng.range(0, 3)))},
                              {"c1", cz(w.rng.unit() * 60 - 30, 1)},
                              {"rovnice", num(w.rng.range(0, 4))}};
        w.add({step(set, QStringLiteral("kvreseniClick"))});
    }
    // Texts that do not convert, in each field.
    for (const QString& junk : kJunk) {
        for (const char* field : {"a1", "b1", "c1"}) {
            QJsonObject set{{"a1", "1"}, {"b1", "-3"}, {"c1", "2"}};
            set[QLatin1String(field)] = junk;
            w.add({step(set, QStringLiteral("kvreseniClick"))});
        }
    }
    // Typed through the field limit, then the relation picked: solves twice,
    // the listing gathers both.
    for (int i = 0; i < 20; ++i) {
        QJsonArray steps;
        steps.append(step({{"a1", ""}, {"b1", ""}, {"c1", ""}}));
        steps.append(typed(QStringLiteral("a1"), w.rng.pick(std::vector<QString>{"123456", "-1", "2,5", "1e3", "0"})));
        steps.append(typed(QStringLiteral("b1"), num(w.rng.range(-99999, 99999))));
        steps.append(typed(QStringLiteral("c1"), cz(w.rng.unit() * 100 - 50, 2), QStringLiteral("kvreseniClick")));
        steps.append(step({{"rovnice", num(w.rng.range(1, 4))}}, QStringLiteral("rovniceChange")));
        w.add(steps);
    }
}

// ---------------------------------------------------------------- cubic

void cubic(Sweep& w)
{
    const std::vector<std::array<const char*, 4>> curated = {
        {"1", "1", "1", "1"},     {"1", "-6", "11", "-6"}, {"1", "0", "-3", "2"},   {"1", "-3", "3", "-1"},
        {"1", "0", "0", "0"},     {"2", "0", "0", "-16"},  {"1", "0", "1", "0"},    {"", "1", "1", "1"},
        {"1", "", "", ""},        {"1e6", "1", "1", "1"},  {"1", "1e6", "1", "1"},  {"1", "1", "1e6", "1"},
        {"1", "1", "1", "1e6"},   {"-2e4", "1", "1", "1"}, {"1", "1", "1", "-2e4"}, {"99999", "-9999", "99999", "-9999"},
        {"99999", "0", "1", "0"}, {"0,333", "1", "1", "1"}, {"1", "0,333", "0,666", "0,999"}, {"abc", "1", "1", "1"},
        {"1", "1.5", "1", "1"},   {"-1", "0", "0", "1"},   {"0", "1", "1", "1"},    {"1", "0", "0", "-1"},
        {"1", "-1", "-1", "1"},   {"1", "3", "3", "1"},    {"-1", "3", "-3", "1"},  {"1", "0", "-1", "0"},
        {"1E400", "1", "1", "1"}, {"1", "1", "1", "1E400"}, {"3", "-9999", "99999", "-9999"}, {"1", "0", "0", "1E-9"},
        {"0,001", "1", "1", "1"}, {"1", "-0,004", "0", "0"}, {"4", "0", "-3", "1"}, {"1", "6", "12", "8"},
    };
    for (const auto& t : curated)
        w.add({step({{"kub_a", t[0]}, {"kub_b", t[1]}, {"kub_c", t[2]}, {"kub_d", t[3]}}, QStringLiteral("kub_vyresClick"))});
    for (int i = 0; i < 200; ++i) {
        QString a, b, c, d;
        if (i % 3 == 0) {
            const long long k = w.rng.pick(std::vector<long long>{1, -1, 2, 3, -4});
            const long long r1 = w.rng.range(-5, 5);
            const long long r2 = w.rng.chance(30) ? r1 : w.rng.range(-5, 5);
            const long long r3 = w.rng.chance(20) ? r2 : w.rng.range(-5, 5);
            a = num(k);
            b = num(-k * (r1 + r2 + r3));
            c = num(k * (r1 * r2 + r1 * r3 + r2 * r3));
            d = num(-k * r1 * r2 * r3);
        } else if (i % 3 == 1) {
            a = num(w.rng.chance(5) ? 0 : w.rng.range(-9, 9));
            b = num(w.rng.range(-30, 30));
            c = num(w.rng.range(-30, 30));
            d = num(w.rng.range(-50, 50));
        } else {
            a = cz(w.rng.unit() * 10 - 5, 3);
            b = cz(w.rng.unit() * 20 - 10, 2);
            c = cz(w.rng.unit() * 40 - 20, 1);
            d = w.rng.chance(10) ? QString() : cz(w.rng.unit() * 99 - 50, 2);
        }
        w.add({step({{"kub_a", a}, {"kub_b", b}, {"kub_c", c}, {"kub_d", d}}, QStringLiteral("kub_vyresClick"))});
    }
    for (const QString& junk : kJunk)
        for (const char* field : {"kub_a", "kub_d"}) {
            QJsonObject set{{"kub_a", "1"}, {"kub_b", "-6"}, {"kub_c", "11"}, {"kub_d", "-6"}};
            set[QLatin1String(field)] = junk;
            w.add({step(set, QStringLiteral("kub_vyresClick"))});
        }
    // A solve that fails keeps the previous results.
    w.add({step({{"kub_a", "1"}, {"kub_b", "-6"}, {"kub_c", "11"}, {"kub_d", "-6"}}, QStringLiteral("kub_vyresClick")),
           step({{"kub_a", "0"}}, QStringLiteral("kub_vyresClick")),
           step({{"kub_a", "99999"}, {"kub_b", "0"}, {"kub_c", "1"}, {"kub_d", "0"}}, QStringLiteral("kub_vyresClick"))});
}

// ---------------------------------------------------------------- systems

// The grid as the page holds it: a header row and a number column.
QJsonArray system_grid(const std::vector<std::vector<QString>>& rows)
{
    const int n = static_cast<int>(rows.size());
    QJsonArray grid;
    QJsonArray header{QString()};
    for (int c = 1; c <= n; ++c)
        header.append(QStringLiteral("a%1").arg(c));
    header.append(QStringLiteral("b"));
    grid.append(header);
    for (int r = 0; r < n; ++r) {
        QJsonArray row{QString::number(r + 1)};
        for (const QString& cell : rows[static_cast<std::size_t>(r)])
            row.append(cell);
        grid.append(row);
    }
    return grid;
}

void add_system(Sweep& w, const std::vector<std::vector<QString>>& rows, bool listing)
{
    const int n = static_cast<int>(rows.size());
    QJsonObject s = w.settings();
    // Long eliminations list every matrix; keep the listing to small systems.
    s[u"vypis_rovnic"] = listing && n <= 5;
    QJsonObject grids{{QStringLiteral("soustavarov"), system_grid(rows)}};
    QJsonObject solve{{QStringLiteral("grids"), grids}, {QStringLiteral("run"), QStringLiteral("sous_rov_vyresClick")}};
    w.add({step({{"pocet_rovnic", QString::number(n)}}, QStringLiteral("pocet_rovnicChange")), solve}, s);
}

void systems(Sweep& w)
{
    auto cell = [&w](int kind) -> QString {
        switch (kind) {
        case 0:
            return num(w.rng.range(-9, 9));
        case 1:
            return QString::number(w.rng.range(-200, 200) / 8.0, 'f', 3);
        default:
            return num(w.rng.range(-99, 99));
        }
    };
    for (int n = 2; n <= 26; ++n) {
        for (int variant = 0; variant < 5; ++variant) {
            std::vector<std::vector<QString>> rows(static_cast<std::size_t>(n));
            const int kind = static_cast<int>(w.rng.range(0, 2));
            for (auto& row : rows)
                for (int c = 0; c <= n; ++c)
                    row.push_back(cell(kind));
            if (variant == 1) {
                // The last equation the sum of the first two: consistent, or not.
                for (int c = 0; c <= n; ++c) {
                    const double sum = rows[0][static_cast<std::size_t>(c)].toDouble() + rows[1][static_cast<std::size_t>(c)].toDouble();
                    rows[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(c)] = QString::number(sum, 'g', 10);
                }
                if (w.rng.chance(50))
                    rows[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(n)] += QStringLiteral("1");
            } else if (variant == 2) {
                // Zero pivots, a zero column.
                rows[0][0] = QStringLiteral("0");
                const int col = static_cast<int>(w.rng.range(0, n - 1));
                if (w.rng.chance(40))
                    for (auto& row : rows)
                        row[static_cast<std::size_t>(col)] = QStringLiteral("0");
            } else if (variant == 3) {
                // Diagonal, some right sides zero.
                for (int r = 0; r < n; ++r)
                    for (int c = 0; c < n; ++c)
                        if (r != c)
                            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = QStringLiteral("0");
                rows[static_cast<std::size_t>(n / 2)][static_cast<std::size_t>(n)] = QStringLiteral("0");
            } else if (variant == 4 && n <= 12) {
                // One bad cell.
                static const std::vector<QString> bad = {QString(),          QStringLiteral("abc"),    QStringLiteral("1,5"),
                                                         QStringLiteral("100000"), QStringLiteral("-10000"), QStringLiteral("99999"),
                                                         QStringLiteral("-9999"),  QStringLiteral(" 1"),    QStringLiteral("1e3"),
                                                         QStringLiteral("-"),      QStringLiteral("1.2.3"),  QStringLiteral("1e400")};
                const std::size_t r = static_cast<std::size_t>(w.rng.range(0, n - 1));
                const std::size_t c = static_cast<std::size_t>(w.rng.range(0, n));
                rows[r][c] = w.rng.pick(bad);
            }
            add_system(w, rows, variant != 3);
        }
    }
    // Each refused cell, first and last.
    for (const char* bad : {"", "abc", "1,5", "100000", "-10000", "99999", "-9999", "99999.0001", "-9999.0001", " ", "1e5",
                            "-1e4", ".", "+1", "1e", "0x10"}) {
        add_system(w, {{bad, "1", "2"}, {"3", "4", "5"}}, true);
        add_system(w, {{"1", "2", "3", "4"}, {"3", "4", "5", "6"}, {"4", "5", "6", bad}}, false);
    }
    // The page's own examples.
    add_system(w, {{"2", "3", "4"}, {"3", "4", "5"}}, true);
    add_system(w, {{"2", "3", "4", "5"}, {"3", "4", "5", "6"}, {"4", "5", "6", "7"}}, true);
    add_system(w, {{"1", "1", "2"}, {"2", "2", "5"}}, true);
    add_system(w, {{"1", "1", "2"}, {"2", "2", "4"}}, true);
    add_system(w, {{"0", "1", "1"}, {"1", "1", "3"}}, true);
    add_system(w, {{"0", "0", "0"}, {"0", "0", "0"}}, true);
    add_system(w, {{"0", "0", "1"}, {"0", "0", "0"}}, true);
    add_system(w, {{"1e-12", "1", "1"}, {"1", "1", "2"}}, true);
    add_system(w, {{"99999", "-9999", "1"}, {"-9999", "99999", "1"}}, true);
    // The grid after a change of the count, solved as it stands.
    for (int n : {2, 3, 4, 7, 26})
        w.add({step({{"pocet_rovnic", QString::number(n)}}, QStringLiteral("pocet_rovnicChange")),
               run(QStringLiteral("sous_rov_vyresClick"))},
              QJsonObject{{QStringLiteral("vypis_rovnic"), n <= 4}});
    // Typed into cells through the key filter.
    for (int i = 0; i < 8; ++i) {
        QJsonObject t{{QStringLiteral("field"), QStringLiteral("soustavarov")},
                      {QStringLiteral("cell"), QJsonArray{static_cast<int>(w.rng.range(1, 3)), static_cast<int>(w.rng.range(1, 2))}},
                      {QStringLiteral("text"), w.rng.pick(std::vector<QString>{",5", "1,5", "-2.", "x7", "1e2", "--3"})}};
        w.add({QJsonObject{{QStringLiteral("type"), t}, {QStringLiteral("run"), QStringLiteral("sous_rov_vyresClick")}}});
    }
    // The count at and beyond its ends.
    for (const char* n : {"1", "27", "0", "-5"})
        w.add({step({{"pocet_rovnic", n}}, QStringLiteral("pocet_rovnicChange"))});
}

// ---------------------------------------------------------------- primes

void primes(Sweep& w)
{
    const std::vector<QString> factor = {
        "4", "3", "0", "-8", "97", "98", "174636000", "9223372036854775807", "12,0", "12 ", "", "9223372036854775808",
        "-9223372036854775808", "$FF", "0x1F", " 15", "+16", "1000000007", "999999999989", "25", "49", "121",
        "1048576", "600851475143", "5", "6", "35", "1E3", "abc", "007", "4294967296", "2147483647", "1000001",
        "999966000289", "12345678910", "29", "31",
    };
    for (const QString& n : factor)
        w.add({step({{"zadani_prv", n}}, QStringLiteral("rozlozClick"))});
    for (int i = 0; i < 80; ++i) {
        long long n;
        if (i % 4 == 0) {
            n = w.rng.range(4, 1000);
        } else if (i % 4 == 1) {
            n = w.rng.range(4, 1000000000);
        } else if (i % 4 == 2) {
            n = w.rng.range(2, 999) * w.rng.range(2, 9999) * w.rng.range(1, 99);
        } else {
            n = w.rng.range(1000000, 100000000000LL);
        }
        w.add({step({{"zadani_prv", num(n)}}, QStringLiteral("rozlozClick"))});
    }
    // Stopped: the largest primes run for minutes; stav shows progress past 1000001.
    for (const auto& [n, polls] : std::vector<std::pair<const char*, int>>{{"9223372036854775783", 1},
                                                                          {"9223372036854775783", 5000},
                                                                          {"9223372036854775783", 170000},
                                                                          {"2305843009213693951", 200},
                                                                          {"4611686014132420609", 1000},
                                                                          {"999999999989", 2}}) {
        QJsonObject s = step({{"zadani_prv", n}}, QStringLiteral("rozlozClick"));
        s[u"stop_after_polls"] = polls;
        w.add({s});
    }
    const std::vector<std::pair<QString, QString>> ranges = {
        {"0", "20"}, {"0", "1"}, {"2", "2"}, {"10", "10020"}, {"10", "10021"}, {"5", "4"}, {"", "5"}, {"a", "5"},
        {"-100", "20"}, {"3", "3"}, {"3", "30"}, {"-9223372036854775808", "9223372036854775807"}, {"1", "1"},
        {"4", "4"}, {"5", "5"}, {"-5", "-1"}, {"17", "17"}, {"0", "20000"}, {"-20000", "0"}, {"1 ", "5"},
        {"1", "5,0"}, {"9223372036854775807", "9223372036854775807"}, {"100", "100"}, {"1000000", "1000100"},
    };
    for (const auto& [from, to] : ranges)
        w.add({step({{"xod", from}, {"xdo", to}}, QStringLiteral("vypisClick"))});
    for (int i = 0; i < 60; ++i) {
        const long long from = i % 3 == 0 ? w.rng.range(-50, 100) : w.rng.range(0, 10000000);
        const long long to = from + w.rng.range(0, i % 5 == 0 ? 2000 : 150);
        w.add({step({{"xod", num(from)}, {"xdo", num(to)}}, QStringLiteral("vypisClick"))});
    }
    for (const auto& [from, to, polls] : std::vector<std::tuple<const char*, const char*, int>>{
             {"9223372036854775000", "9223372036854775807", 3000},
             {"1000", "1100", 1},
             {"1000000000000", "1000000001000", 40000},
             {"4611686014132420609", "4611686014132420609", 100}}) {
        QJsonObject s = step({{"xod", from}, {"xdo", to}}, QStringLiteral("vypisClick"));
        s[u"stop_after_polls"] = polls;
        w.add({s});
    }
    // Stop pressed while idle; a listing after a factorization keeps its lines until it runs.
    w.add({run(QStringLiteral("prerusClick"))});
    w.add({step({{"zadani_prv", "360"}}, QStringLiteral("rozlozClick")), step({{"xod", "9"}, {"xdo", "1"}}, QStringLiteral("vypisClick")),
           step({{"xod", "9"}, {"xdo", "30"}}, QStringLiteral("vypisClick")), step({{"zadani_prv", "1"}}, QStringLiteral("rozlozClick"))});
}

// ---------------------------------------------------------------- bases

QString in_base(unsigned long long v, int base)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    while (v) {
        const int d = static_cast<int>(v % static_cast<unsigned>(base));
        s.prepend(QChar(d < 10 ? u'0' + d : u'A' + d - 10));
        v /= static_cast<unsigned>(base);
    }
    return s;
}

void bases(Sweep& w)
{
    const std::vector<std::array<const char*, 3>> curated = {
        {"99", "10", "2"},  {"FF", "16", "10"}, {"ZZ", "36", "10"}, {"9223372036854775807", "10", "16"},
        {"9223372036854775807", "10", "36"}, {"9223372036854775808", "10", "2"}, {"12", "2", "10"}, {"A", "10", "2"},
        {"", "10", "2"},    {"0", "10", "2"},   {"007", "8", "10"},  {"ff", "16", "2"},  {"1", "2", "36"},
        {"10", "36", "2"},  {"Z", "35", "10"},  {"Y", "35", "2"},    {"7FFFFFFFFFFFFFFF", "16", "10"},
        {"8000000000000000", "16", "10"}, {"1Y2P0IJ32E8E7", "36", "10"}, {"1Y2P0IJ32E8E8", "36", "10"},
        {"-5", "10", "2"},  {"1 0", "10", "2"}, {"12", "1", "10"},   {"12", "37", "10"}, {"12", "10", "0"},
        {"11111111111111111111111111111111111111111111111111111111111111", "2", "10"},
        {"111111111111111111111111111111111111111111111111111111111111111", "2", "10"},
        {"1000000000000000000000000000000000000000000000000000000000000000", "2", "10"},
        {"ZZZZZZZZZZZZZ", "36", "10"}, {"9", "9", "10"}, {"8", "9", "3"}, {":", "10", "2"}, {"@", "11", "2"},
    };
    for (const auto& t : curated)
        w.add({step({{"cislo1", t[0]}, {"sous1", t[1]}, {"sous2", t[2]}}, QStringLiteral("preved_soustavyClick"))});
    for (int i = 0; i < 160; ++i) {
        const int from = static_cast<int>(w.rng.range(2, 36));
        const int to = static_cast<int>(w.rng.range(2, 36));
        unsigned long long v = w.rng.next();
        v >>= w.rng.range(0, 63);
        if (i % 10 == 0)
            v = v | (1ULL << 63); // beyond the range
        QString text = in_base(v, from);
        if (i % 7 == 3 && from < 36)
            text.insert(static_cast<int>(w.rng.range(0, text.size())), in_base(static_cast<unsigned long long>(from), 36).right(1));
        if (i % 9 == 4)
            text = text.toLower();
        w.add({step({{"cislo1", text}, {"sous1", num(from)}, {"sous2", num(to)}}, QStringLiteral("preved_soustavyClick"))});
    }
    // Typed: the key filter, the digit count.
    for (int i = 0; i < 24; ++i) {
        const QString keys = w.rng.pick(std::vector<QString>{"ff", "1a2b", "z-9", "12,5", "abc xyz", "007", "\b\b1", "Ab\bC"});
        QJsonArray steps{step({{"cislo1", w.rng.chance(50) ? QString() : QStringLiteral("1")},
                               {"sous1", num(w.rng.range(2, 36))},
                               {"sous2", num(w.rng.range(2, 36))}}),
                         typed(QStringLiteral("cislo1"), keys, QStringLiteral("preved_soustavyClick"))};
        w.add(steps);
    }
    w.add({typed(QStringLiteral("cislo1"), QString(70, u'7'))});
}

// ---------------------------------------------------------------- fractions

void fractions(Sweep& w)
{
    const std::vector<std::array<const char*, 6>> curated = {
        {"1", "2", "0", "3", "4", "1"},   {"1", "2", "0", "3", "4", "0"},  {"6", "4", "2", "2", "3", "1"},
        {"-7", "2", "0", "0", "5", "1"},  {"1", "-2", "0", "1", "3", "0"}, {"0", "5", "2", "3", "-4", "0"},
        {"-1", "2", "3", "0", "3", "0"},  {"-1", "2", "3", "0", "3", "1"}, {"2", "3", "3", "4", "9", "0"},
        {"1", "2", "1", "1", "2", "0"},   {"1", "2", "3", "0", "3", "0"},  {"1", "0", "0", "1", "2", "1"},
        {"1", "2", "0", "1", "0", "1"},   {"9999", "9999", "2", "9999", "9999", "1"}, {"-9999", "1", "2", "9999", "1", "1"},
        {"9999", "9998", "0", "9997", "9996", "1"}, {"a", "2", "0", "3", "4", "1"}, {"1", "", "0", "3", "4", "1"},
        {"1,5", "2", "0", "3", "4", "1"}, {"1", "2", "3", "-3", "4", "1"}, {"0", "1", "0", "0", "1", "1"},
        {"5", "5", "3", "5", "5", "1"},   {"-5", "3", "1", "5", "3", "1"}, {"7", "-3", "0", "0", "-9", "1"},
    };
    for (const auto& t : curated)
        w.add({step({{"z1", t[0]}, {"z2", t[1]}, {"operace", t[2]}, {"z3", t[3]}, {"z4", t[4]}, {"cele", t[5]}},
                    QStringLiteral("zlomekClick"))});
    for (int i = 0; i < 240; ++i) {
        auto part = [&w](bool denominator) {
            if (w.rng.chance(3))
                return w.rng.pick(kJunk);
            const long long v = w.rng.chance(10) ? w.rng.range(-9999, 9999) : w.rng.range(-20, 20);
            return num(denominator && v == 0 && w.rng.chance(70) ? 1 : v);
        };
        const QJsonObject set{{"z1", part(false)}, {"z2", part(true)}, {"z3", part(false)}, {"z4", part(true)},
                              {"operace", num(w.rng.range(0, 3))}, {"cele", num(w.rng.range(0, 1))}};
        const QString event = w.rng.pick(std::vector<QString>{"zlomekClick", "operaceChange", "celeClick"});
        w.add({step(set, event)});
    }
    // The mixed number switched off and on after a result.
    w.add({step({{"z1", "7"}, {"z2", "3"}, {"z3", "0"}, {"z4", "1"}}, QStringLiteral("zlomekClick")),
           step({{"cele", "0"}}, QStringLiteral("celeClick")), step({{"cele", "1"}}, QStringLiteral("celeClick"))});
    const std::vector<QString> decimals = {"4",   "25",  "05",   "125", "0",    "000", "4,5", "0,5",       "abc",
                                           "",    "-5",  "1E3",  "999999999999", "1",  "5",   "333333333333", "1 ",
                                           " 75", "2e1", ",",    "0,0", "123456789012", "9", "99", "000000000001"};
    for (const QString& d : decimals)
        w.add({step({{"zadani_c", d}}, QStringLiteral("prevedClick"))});
    for (int i = 0; i < 40; ++i) {
        QString digits;
        const int len = static_cast<int>(w.rng.range(1, 12));
        for (int k = 0; k < len; ++k)
            digits += QChar(u'0' + static_cast<int>(w.rng.range(0, 9)));
        w.add({step({{"zadani_c", digits}}, QStringLiteral("prevedClick"))});
    }
}

// ---------------------------------------------------------------- gcd / lcm

void divisors(Sweep& w)
{
    const std::vector<QString> curated = {
        "10,15,20", "12,18", "7,7", "10, 15", "999999999,999999998", "999999999,999999998,999999997", "10 ,15",
        "10,,15", "10,15,", ",", "10", "", "0,5,1000000000", "5,1000000000", "-4,6", "1,1", "1,999999999",
        "2,3,5,7,11,13,17,19,23,29,31,37,41,43,47", "+4,+6", "$10,16", "4.5,6", "1E3,10", " 8,12",
        "6,0", "999999937,999999929,999999893", "123456,7890,4321", "1,2,3,4,5,6,7,8,9,10",
    };
    for (const QString& list : curated)
        w.add({step({{"zadani_a", list}}, QStringLiteral("dvecislaClick"))});
    for (int i = 0; i < 90; ++i) {
        QStringList items;
        const int count = static_cast<int>(w.rng.range(2, 6));
        const long long common = w.rng.pick(std::vector<long long>{1, 2, 6, 12, 35, 1000});
        for (int k = 0; k < count; ++k) {
            const long long v = i % 3 == 0 ? w.rng.range(1, 999999999) : common * w.rng.range(1, 300);
            items.append(num(v));
        }
        w.add({step({{"zadani_a", items.join(u',')}}, QStringLiteral("dvecislaClick"))});
    }
}

// ---------------------------------------------------------------- angles

void angles(Sweep& w)
{
    const QStringList fields = {"uhly_stupne", "uhly_st", "uhly_min", "uhly_vt", "uhly_rad", "uhly_grad"};
    auto request = [&w, &fields](const QStringList& texts, int seconds) {
        QJsonObject set;
        for (int i = 0; i < fields.size(); ++i)
            set[fields[i]] = texts[i];
        QJsonObject s = w.settings();
        s[u"zaokrouhleni_uh_vt"] = seconds;
        w.add({step(set, QStringLiteral("uhly_vypocetClick"))}, s);
    };
    // Curated: the cases, the examples, the seconds that round up to 60.
    const std::vector<QStringList> curated = {
        {"57,29578", "", "", "", "", ""}, {"", "12", "", "30", "", ""}, {"", "", "90", "", "", ""},
        {"-1,5", "", "", "", "", ""},     {"", "", "", "", "3,14159265358979", ""}, {"", "", "", "", "", "400"},
        {"", "", "", "", "", ""},         {"1", "", "", "", "1", ""},    {"1", "1", "1", "1", "1", "1"},
        {"10,9999999", "", "", "", "", ""}, {"0,99999", "", "", "", "", ""}, {"", "10", "59", "59,9999", "", ""},
        {"", "-10", "-30", "-30", "", ""}, {"", "0", "0", "0", "", ""}, {"", "", "", "0", "", ""},
        {"abc", "", "", "", "", ""},      {"", "1", "x", "", "", ""},    {"", "", "", "", "1.5", ""},
        {"", "", "", "", "", "1E400"},    {"360", "", "", "", "", ""},   {"1E10", "", "", "", "", ""},
        {"", "1,5", "2,5", "3,5", "", ""}, {"", " ", "", "", "", ""},    {"", "", "", "", "-6,2831853", ""},
        {"", "", "", "", "", "-100"},     {"29,999999", "", "", "", "", ""}, {"", "359", "59", "59,99999", "", ""},
        {"0,0166666", "", "", "", "", ""}, {"45,5083333", "", "", "", "", ""}, {"", "", "", "3600", "", ""},
    };
    for (const QStringList& c : curated)
        for (int seconds : {0, 2, 5})
            request(c, seconds);
    for (int i = 0; i < 200; ++i) {
        QStringList texts(6);
        const int kind = i % 5;
        if (kind == 0) {
            texts[0] = cz(w.rng.unit() * 1440 - 720, static_cast<int>(w.rng.range(0, 9)));
        } else if (kind == 1) {
            // Whole degrees, minutes, seconds; each may be left empty.
            if (w.rng.chance(80))
                texts[1] = num(w.rng.range(-400, 400));
            if (w.rng.chance(70))
                texts[2] = num(w.rng.range(0, 75));
            if (w.rng.chance(70) || (texts[1].isEmpty() && texts[2].isEmpty()))
                texts[3] = cz(w.rng.unit() * 60, static_cast<int>(w.rng.range(0, 5)));
        } else if (kind == 2) {
            texts[4] = cz(w.rng.unit() * 14 - 7, static_cast<int>(w.rng.range(1, 12)));
        } else if (kind == 3) {
            texts[5] = cz(w.rng.unit() * 800 - 400, static_cast<int>(w.rng.range(0, 6)));
        } else {
            // Degrees just below a whole minute: rounded seconds reach 60.
            const long long d = w.rng.range(0, 359);
            const long long m = w.rng.range(0, 59);
            const double deg = static_cast<double>(d) + (static_cast<double>(m) + 1) / 60.0 - w.rng.unit() * 1e-5;
            texts[0] = cz(deg, 9);
        }
        request(texts, static_cast<int>(w.rng.range(0, 5)));
    }
    // Twice in a row; cleared and typed again.
    w.add({step({{"uhly_stupne", "30"}}, QStringLiteral("uhly_vypocetClick")), run(QStringLiteral("uhly_vypocetClick"))});
    w.add({step({{"uhly_stupne", "30"}}, QStringLiteral("uhly_vypocetClick")), run(QStringLiteral("uhly_vymazClick")),
           typed(QStringLiteral("uhly_min"), QStringLiteral("1234567"), QStringLiteral("uhly_vypocetClick"))});
    w.add({run(QStringLiteral("uhly_vymazClick"))});
}

// ---------------------------------------------------------------- statistics

void statistics(Sweep& w)
{
    auto data = [](const QStringList& lines, bool finalBreak) {
        return lines.join(u'\n') + (finalBreak ? QStringLiteral("\n") : QString());
    };
    const std::vector<QString> curated = {
        "12\n9\n8\n10\n-9\n6\n-3\n4\n-7\n-1\n5\n3\n", "1", "1\n", "", "\n", "1\n2", "1\n\n2", "1\n1.5\n2",
        "1 2\n3", "5\n5\n5\n5", "0\n0", "1E300\n-1E300", "1E200\n1E200\n1E200", "-1\n1", "1,5\n2,25\n-0,75",
        "abc\n1", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10", " 3\n4 \n 5 ", "1E400\n1", "2\n4\n4\n4\n5\n5\n7\n9",
    };
    for (const QString& d : curated)
        w.add({step({{"data", d}}, QStringLiteral("stat_vyresClick"))});
    for (int i = 0; i < 80; ++i) {
        QStringList lines;
        const int n = static_cast<int>(w.rng.range(2, 40));
        for (int k = 0; k < n; ++k) {
            if (i % 4 == 0)
                lines.append(num(w.rng.range(-10, 10)));
            else if (i % 4 == 1)
                lines.append(cz(w.rng.unit() * 200 - 100, static_cast<int>(w.rng.range(0, 4))));
            else if (i % 4 == 2)
                lines.append(num(w.rng.range(0, 1000000)));
            else
                lines.append(cz(w.rng.unit() * 1e-3, 7));
        }
        if (i % 13 == 5)
            lines[static_cast<int>(w.rng.range(0, n - 1))] = w.rng.pick(kJunk);
        w.add({step({{"data", data(lines, w.rng.chance(50))}}, QStringLiteral("stat_vyresClick"))});
    }
    // Long lists: the progress label; stopped while sorting.
    for (int n : {501, 502, 800}) {
        QStringList lines;
        for (int k = 0; k < n; ++k)
            lines.append(num(w.rng.range(-1000, 1000)));
        w.add({step({{"data", data(lines, true)}}, QStringLiteral("stat_vyresClick"))});
        QJsonObject stopped = step({{"data", data(lines, false)}}, QStringLiteral("stat_vyresClick"));
        stopped[u"stop_after_polls"] = n == 800 ? 150000 : 3;
        w.add({stopped});
    }
    // Typing, key release, clearing.
    w.add({typed(QStringLiteral("data"), QStringLiteral("7\n8\n"), QStringLiteral("dataKeyUp")),
           run(QStringLiteral("stat_vyresClick"))});
    w.add({run(QStringLiteral("vymaz_statClick")), typed(QStringLiteral("data"), QStringLiteral("1\n2\n3")),
           run(QStringLiteral("stat_vyresClick"))});
    w.add({run(QStringLiteral("stat_vyresClick")), run(QStringLiteral("vymaz_statClick"))});
    w.add({run(QStringLiteral("stat_prerusClick"))});
    w.add({step({{"data", "1\n2\n3\n"}}, QStringLiteral("dataChange"))});
}

// ---------------------------------------------------------------- plane figures

struct Figure {
    int item; // of the selector d2_vyber
    QStringList fields;
    std::vector<QStringList> values; // consistent figures, one text per field
    QJsonObject extra;               // set before the values (switches of the sheet)
};

QString deg(double radians) { return cz(radians * 180.0 / std::numbers::pi, 4); }

QStringList triangle_values(double a, double b, double c)
{
    const double s = (a + b + c) / 2;
    const double area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    const double alfa = std::acos((b * b + c * c - a * a) / (2 * b * c));
    const double beta = std::acos((a * a + c * c - b * b) / (2 * a * c));
    return {cz(a, 4),           cz(b, 4),   cz(c, 4),    cz(2 * area / a, 4), cz(2 * area / b, 4),
            cz(2 * area / c, 4), deg(alfa), deg(beta), deg(std::numbers::pi - alfa - beta), cz(a + b + c, 4),
            cz(area, 4)};
}

QStringList right_values(double a, double b)
{
    const double c = std::hypot(a, b);
    return {cz(a, 4), cz(b, 4), cz(c, 4), cz(a * b / c, 4), deg(std::atan2(a, b)), deg(std::atan2(b, a)),
            cz(a + b + c, 4), cz(a * b / 2, 4)};
}

QStringList parallelogram_values(double a, double b, double alfaDeg)
{
    const double alfa = alfaDeg * std::numbers::pi / 180;
    return {cz(a, 4), cz(b, 4), cz(b * std::sin(alfa), 4), cz(a * std::sin(alfa), 4), cz(alfaDeg, 4),
            cz(180 - alfaDeg, 4), cz(2 * (a + b), 4), cz(a * b * std::sin(alfa), 4)};
}

QStringList polygon_values(int n, double a)
{
    const double r = a / (2 * std::sin(std::numbers::pi / n));
    const double p = a / (2 * std::tan(std::numbers::pi / n));
    return {num(n), cz(a, 4), cz(r, 4), cz(p, 4), cz(n * a, 4), cz(n * a * p / 2, 4), cz(180.0 * (n - 2) / n, 4)};
}

QStringList circle_values(double r, double alfaDeg, bool segment)
{
    const double t = alfaDeg * std::numbers::pi / 180;
    const double arc = r * t;
    const double area = segment ? r * r / 2 * (t - std::sin(t)) : r * r * t / 2;
    return {cz(r, 4), cz(alfaDeg, 4), cz(arc, 4), cz(area, 4)};
}

std::vector<std::uint32_t> subsets(int fields, int maxSize)
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t m = 0; m < (1u << fields); ++m)
        if (std::popcount(m) <= maxSize)
            out.push_back(m);
    return out;
}

void plane(Sweep& w)
{
    std::vector<Figure> figures;
    figures.push_back({0,
                       {"tp_a", "tp_b", "tp_c", "tp_vc", "tp_alfa", "tp_beta", "tp_obvod", "tp_obsah"},
                       {right_values(3, 4), right_values(1.5, 7.25)},
                       {}});
    const QStringList tri = {"troj_a", "troj_b", "troj_c", "troj_va", "troj_vb", "troj_vc",
                             "troj_alfa", "troj_beta", "troj_gama", "troj_obvod", "troj_obsah"};
    figures.push_back({1, tri, {triangle_values(5, 6, 7), triangle_values(4, 5, 8), triangle_values(3, 4, 5)}, {}});
    figures.push_back({1, tri, {triangle_values(4, 5, 8)}, QJsonObject{{QStringLiteral("troj_tup"), QStringLiteral("1")}}});
    figures.push_back({2, {"ctv_a", "ctv_u", "ctv_o", "ctv_s"}, {{"2", "2,8284", "8", "4"}, {"0,5", "0,7071", "2", "0,25"}}, {}});
    figures.push_back({3, {"obd_a", "obd_b", "obd_u", "obd_o", "obd_s"}, {{"3", "4", "5", "14", "12"}, {"2,5", "10", "10,3078", "25", "25"}}, {}});
    figures.push_back({4,
                       {"rov_a", "rov_b", "rov_va", "rov_vb", "rov_alfa", "rov_beta", "rov_obvod", "rov_obsah"},
                       {parallelogram_values(4, 3, 30), parallelogram_values(5, 7, 110)},
                       {}});
    figures.push_back({5,
                       {"lic_a", "lic_b", "lic_c", "lic_d", "lic_alfa", "lic_beta", "lic_gama", "lic_delta", "lic_v",
                        "lic_s", "lic_obvod", "lic_obsah"},
                       {},
                       {}});
    figures.push_back({6,
                       {"uhe_n", "uhe_a", "uhe_r", "uhe_p", "uhe_o", "uhe_s", "uhe_uhel"},
                       {polygon_values(6, 2), polygon_values(5, 3.5), polygon_values(3, 1)},
                       {}});
    figures.push_back({7, {"kru_r", "kru_alfa", "kru_o", "kru_s"}, {circle_values(2, 360, false), circle_values(2, 90, false), circle_values(3, 45, false)},
                       QJsonObject{{QStringLiteral("kru_usec"), QStringLiteral("0")}, {QStringLiteral("kru_kru_vys"), QStringLiteral("1")}}});
    figures.push_back({7, {"kru_r", "kru_alfa", "kru_o", "kru_s"}, {circle_values(2, 90, true), circle_values(1, 270, true)},
                       QJsonObject{{QStringLiteral("kru_usec"), QStringLiteral("1")}, {QStringLiteral("kru_kru_vys"), QStringLiteral("0")}}});

    static const std::vector<QString> bad = {"0", "-1", "abc", "1.5", "1E400", " ", "-0", "1E-300", "360", "180", "1E300", "0,0001"};
    for (const Figure& f : figures) {
        const QJsonObject choose{{QStringLiteral("d2_vyber"), QString::number(f.item)}};
        const int n = static_cast<int>(f.fields.size());
        const std::vector<std::uint32_t> masks = subsets(n, n <= 5 ? n : 3);
        auto request = [&](const QStringList& values, std::uint32_t mask, bool again) {
            QJsonObject set = f.extra;
            for (int i = 0; i < n; ++i)
                set[f.fields[i]] = (mask >> i) & 1u ? values[i] : QString();
            QJsonArray steps{step(choose, QStringLiteral("d2_vyberChange")), step(set, QStringLiteral("vyres_d2Click"))};
            if (again)
                steps.append(run(QStringLiteral("vyres_d2Click")));
            w.add(steps);
        };
        if (f.values.empty()) {
            // No calculation on this sheet: a few fillings say so.
            for (std::uint32_t mask : masks)
                if (mask % 37 == 0) {
                    QStringList values;
                    for (int i = 0; i < n; ++i)
                        values.append(num(i + 1));
                    request(values, mask, false);
                }
            continue;
        }
        for (const QStringList& values : f.values)
            for (std::uint32_t mask : masks)
                request(values, mask, w.rng.chance(8));
        // Bad values in a given field of pairs and triples.
        for (int i = 0; i < 40; ++i) {
            std::uint32_t mask = 0;
            while (std::popcount(mask) < 2 || std::popcount(mask) > 3)
                mask = masks[static_cast<std::size_t>(w.rng.range(0, static_cast<long long>(masks.size()) - 1))];
            QStringList values = w.rng.pick(f.values);
            int k = static_cast<int>(w.rng.range(0, n - 1));
            while (!((mask >> k) & 1u))
                k = (k + 1) % n;
            values[k] = w.rng.pick(bad);
            request(values, mask, false);
        }
        // Inconsistent values at random.
        for (int i = 0; i < 25; ++i) {
            QStringList values;
            for (int k = 0; k < n; ++k)
                values.append(cz(w.rng.unit() * 20, static_cast<int>(w.rng.range(0, 2))));
            if (f.fields[0] == u"uhe_n")
                values[0] = num(w.rng.range(-1, 12));
            std::uint32_t mask = 0;
            while (std::popcount(mask) < 2 || std::popcount(mask) > 3)
                mask = masks[static_cast<std::size_t>(w.rng.range(0, static_cast<long long>(masks.size()) - 1))];
            request(values, mask, false);
        }
    }
    // Edge values of the checks.
    const std::vector<std::pair<int, QJsonObject>> edges = {
        {1, {{"troj_alfa", "100"}, {"troj_beta", "100"}}},
        {1, {{"troj_alfa", "90"}, {"troj_gama", "90"}, {"troj_a", "3"}}},
        {1, {{"troj_alfa", "179"}, {"troj_beta", "0,5"}, {"troj_c", "1"}}},
        {1, {{"troj_alfa", "180"}, {"troj_beta", "1"}}},
        {1, {{"troj_a", "1"}, {"troj_b", "1"}, {"troj_gama", "179,9999"}}},
        {1, {{"troj_a", "1"}, {"troj_b", "1"}, {"troj_gama", "0,0001"}}},
        {1, {{"troj_a", "0,00001"}, {"troj_b", "0,00001"}, {"troj_c", "0,00001"}}},
        {1, {{"troj_a", "1"}, {"troj_b", "2"}, {"troj_c", "3"}}},
        {1, {{"troj_a", "1"}, {"troj_b", "1"}, {"troj_alfa", "150"}}},
        {1, {{"troj_a", "4"}, {"troj_b", "5"}, {"troj_alfa", "40"}}},
        {1, {{"troj_a", "4"}, {"troj_b", "5"}, {"troj_alfa", "40"}, {"troj_tup", "1"}}},
        {1, {{"troj_a", "5"}, {"troj_b", "4"}, {"troj_alfa", "40"}, {"troj_tup", "1"}}},
        {1, {{"troj_a", "3"}, {"troj_va", "10"}, {"troj_b", "4"}}},
        {1, {{"troj_a", "3"}, {"troj_b", "4"}, {"troj_obvod", "7"}}},
        {1, {{"troj_a", "3"}, {"troj_b", "4"}, {"troj_obvod", "20"}}},
        {1, {{"troj_a", "1E300"}, {"troj_b", "1E300"}, {"troj_c", "1E300"}}},
        {0, {{"tp_c", "3"}, {"tp_a", "5"}}},
        {0, {{"tp_c", "5"}, {"tp_vc", "3"}}},
        {0, {{"tp_a", "3"}, {"tp_alfa", "90"}}},
        {0, {{"tp_c", "5"}, {"tp_beta", "0"}}},
        {0, {{"tp_a", "1E200"}, {"tp_b", "1E200"}}},
        {3, {{"obd_a", "5"}, {"obd_u", "3"}}},
        {3, {{"obd_a", "5"}, {"obd_o", "8"}}},
        {3, {{"obd_a", "5"}, {"obd_o", "10"}}},
        {4, {{"rov_a", "4"}, {"rov_b", "3"}, {"rov_alfa", "180"}}},
        {4, {{"rov_a", "4"}, {"rov_b", "3"}, {"rov_alfa", "0"}}},
        {4, {{"rov_a", "4"}, {"rov_b", "3"}, {"rov_va", "5"}}},
        {4, {{"rov_a", "4"}, {"rov_alfa", "30"}, {"rov_obvod", "8"}}},
        {4, {{"rov_a", "4"}, {"rov_alfa", "200"}, {"rov_obvod", "20"}}},
        {6, {{"uhe_n", "2"}, {"uhe_a", "1"}}},
        {6, {{"uhe_n", "3,5"}, {"uhe_a", "1"}}},
        {6, {{"uhe_n", "1000"}, {"uhe_a", "0,001"}}},
        {6, {{"uhe_n", "1E9"}, {"uhe_r", "1"}}},
        {6, {{"uhe_n", "abc"}, {"uhe_r", "1"}}},
        {7, {{"kru_r", "2"}, {"kru_alfa", "400"}}},
        {7, {{"kru_r", "2"}, {"kru_alfa", "360,0001"}}},
        {7, {{"kru_alfa", "0"}, {"kru_o", "3"}}},
        {7, {{"kru_alfa", "361"}, {"kru_s", "5"}, {"kru_usec", "1"}, {"kru_kru_vys", "0"}}},
        {7, {{"kru_alfa", "360"}, {"kru_s", "5"}, {"kru_usec", "1"}, {"kru_kru_vys", "0"}}},
        {7, {{"kru_r", "2"}, {"kru_alfa", ""}}},
    };
    for (const auto& [item, set] : edges)
        for (int places : {2, 6})
            w.add({step({{"d2_vyber", QString::number(item)}}, QStringLiteral("d2_vyberChange")),
                   step(set, QStringLiteral("vyres_d2Click"))},
                  QJsonObject{{QStringLiteral("zaokrouhleni"), places}});
    // The selector, the switches, clearing.
    for (int item = -1; item <= 8; ++item)
        w.add({step({{"d2_vyber", QString::number(item)}}, QStringLiteral("d2_vyberChange")), run(QStringLiteral("vymaz_2dClick")),
               run(QStringLiteral("vyres_d2Click"))});
    w.add({step({{"d2_vyber", "7"}}, QStringLiteral("d2_vyberChange")),
           step({{"kru_usec", "1"}, {"kru_kru_vys", "0"}}, QStringLiteral("kru_usecClick")),
           step({{"kru_r", "2"}, {"kru_alfa", "60"}}, QStringLiteral("vyres_d2Click")),
           step({{"kru_usec", "0"}, {"kru_kru_vys", "1"}}, QStringLiteral("kru_kru_vysClick")),
           run(QStringLiteral("vymaz_2dClick"))});
    w.add({step({{"d2_vyber", "1"}}, QStringLiteral("d2_vyberChange")),
           step({{"troj_a", "3"}, {"troj_b", "4"}, {"troj_c", "5"}}, QStringLiteral("vyres_d2Click")),
           run(QStringLiteral("vymaz_2dClick")), run(QStringLiteral("Vymapole1Click"))});
}

// ---------------------------------------------------------------- solids

struct Solid {
    int item; // of the selector d3_vyber
    QStringList fields;
    std::vector<QStringList> values;
};

void solids(Sweep& w)
{
    const double pi = std::numbers::pi;
    auto cube = [](double a) {
        return QStringList{cz(a, 4), cz(a * std::sqrt(3.0), 4), cz(6 * a * a, 4), cz(a * a * a, 4)};
    };
    auto cuboid = [](double a, double b, double c) {
        return QStringList{cz(a, 4), cz(b, 4), cz(c, 4), cz(std::sqrt(a * a + b * b + c * c), 4),
                           cz(2 * (a * b + b * c + a * c), 4), cz(a * b * c, 4)};
    };
    auto pyramid = [pi](int n, double a, double v) {
        const double p = a / (2 * std::tan(pi / n));
        const double s = std::hypot(v, p);
        return QStringList{num(n), cz(a, 4), cz(v, 4), cz(s, 4), cz(n * a * p / 2 + n * a * s / 2, 4), cz(n * a * p / 2 * v / 3, 4)};
    };
    auto sphere = [pi](double r) {
        return QStringList{cz(r, 4), cz(2 * r, 4), cz(4 * pi * r * r, 4), cz(4.0 / 3 * pi * r * r * r, 4)};
    };
    auto cylinder = [pi](double r, double v) {
        return QStringList{cz(r, 4), cz(v, 4), cz(2 * pi * r * (r + v), 4), cz(pi * r * r * v, 4)};
    };
    auto cone = [pi](double r, double v) {
        const double s = std::hypot(r, v);
        return QStringList{cz(r, 4), cz(v, 4), cz(s, 4), cz(pi * r * (r + s), 4), cz(pi * r * r * v / 3, 4)};
    };
    const std::vector<Solid> all = {
        {0, {"kry_a", "kry_u", "kry_s", "kry_v"}, {cube(2), cube(0.5)}},
        {1, {"kva_a", "kva_b", "kva_c", "kva_u", "kva_s", "kva_v"}, {cuboid(2, 3, 4), cuboid(1.5, 1.5, 10)}},
        {2, {"jeh_n", "jeh_a", "jeh_v", "jeh_sp", "jeh_s", "jeh_vv"}, {pyramid(4, 2, 3), pyramid(6, 1.5, 5), pyramid(3, 4, 1)}},
        {3, {"kou_r", "kou_d", "kou_s", "kou_v"}, {sphere(3), sphere(0.25)}},
        {4, {"val_r", "val_v", "val_s", "val_vv"}, {cylinder(2, 5), cylinder(0.5, 0.1)}},
        {5, {"kuz_r", "kuz_v", "kuz_s", "kuz_ss", "kuz_vv"}, {cone(3, 4), cone(1.2, 7)}},
    };
    static const std::vector<QString> bad = {"0", "-1", "abc", "1.5", "1E400", " ", "1E300", "2,5", "1E-300"};
    for (const Solid& s : all) {
        const QJsonObject choose{{QStringLiteral("d3_vyber"), QString::number(s.item)}};
        const int n = static_cast<int>(s.fields.size());
        auto request = [&](const QStringList& values, std::uint32_t mask, bool again) {
            QJsonObject set;
            for (int i = 0; i < n; ++i)
                set[s.fields[i]] = (mask >> i) & 1u ? values[i] : QString();
            QJsonArray steps{step(choose, QStringLiteral("d3_vyberChange")), step(set, QStringLiteral("vyres_d3Click"))};
            if (again)
                steps.append(run(QStringLiteral("vyres_d3Click")));
            w.add(steps);
        };
        for (const QStringList& values : s.values)
            for (std::uint32_t mask = 0; mask < (1u << n); ++mask)
                request(values, mask, w.rng.chance(8));
        for (int i = 0; i < 30; ++i) {
            QStringList values = w.rng.pick(s.values);
            const std::uint32_t mask = static_cast<std::uint32_t>(w.rng.range(1, (1 << n) - 1));
            int k = static_cast<int>(w.rng.range(0, n - 1));
            while (!((mask >> k) & 1u))
                k = (k + 1) % n;
            values[k] = w.rng.pick(bad);
            request(values, mask, false);
        }
        for (int i = 0; i < 15; ++i) {
            QStringList values;
            for (int k = 0; k < n; ++k)
                values.append(cz(w.rng.unit() * 50, static_cast<int>(w.rng.range(0, 3))));
            if (s.fields[0] == u"jeh_n")
                values[0] = num(w.rng.range(-1, 10));
            request(values, static_cast<std::uint32_t>(w.rng.range(1, (1 << n) - 1)), false);
        }
    }
    for (int item = -1; item <= 7; ++item)
        w.add({step({{"d3_vyber", QString::number(item)}}, QStringLiteral("d3_vyberChange")), run(QStringLiteral("vymaz_3dClick")),
               run(QStringLiteral("vyres_d3Click"))});
    w.add({step({{"d3_vyber", "3"}}, QStringLiteral("d3_vyberChange")),
           step({{"kou_r", "1"}}, QStringLiteral("vyres_d3Click")), run(QStringLiteral("Vymapole1Click"))});
}

// ---------------------------------------------------------------- pages and menu

void shell(Sweep& w)
{
    // Every page on show, then the menu's commands that act on the page.
    struct Place {
        int druh, inner, item;
    };
    std::vector<Place> places;
    for (int rov = -1; rov <= 3; ++rov)
        places.push_back({0, rov, -1});
    for (int c = -1; c <= 5; ++c)
        places.push_back({1, c, -1});
    places.push_back({2, -1, -1});
    for (int item = 0; item <= 7; ++item)
        places.push_back({3, -1, item});
    for (int item = 0; item <= 5; ++item)
        places.push_back({4, -1, item});
    places.push_back({5, -1, -1});
    places.push_back({-1, -1, -1});
    for (const Place& p : places) {
        for (const char* command : {"akt_napClick", "Vymapole1Click", "napovedaClick", "Kalkulakawin1Click"}) {
            QJsonObject set{{QStringLiteral("druh"), QString::number(p.druh)}};
            if (p.druh == 0 && p.inner != -1)
                set[u"rov1"] = QString::number(p.inner);
            if (p.druh == 1 && p.inner != -1)
                set[u"cisla1"] = QString::number(p.inner);
            QJsonArray steps{step(set)};
            if (p.druh == 3)
                steps.append(step({{"d2_vyber", QString::number(p.item)}}, QStringLiteral("d2_vyberChange")));
            if (p.druh == 4)
                steps.append(step({{"d3_vyber", QString::number(p.item)}}, QStringLiteral("d3_vyberChange")));
            steps.append(run(QLatin1String(command)));
            w.add(steps, {});
        }
    }
    // Every handler on a fresh window.
    for (const char* event :
         {"kvreseniClick", "rovniceChange", "kub_vyresClick", "pocet_rovnicChange", "sous_rov_vyresClick", "rozlozClick",
          "vypisClick", "prerusClick", "cislo1Change", "preved_soustavyClick", "zlomekClick", "operaceChange",
          "celeClick", "prevedClick", "dvecislaClick", "uhly_vypocetClick", "uhly_vymazClick", "stat_vyresClick",
          "stat_prerusClick", "vymaz_statClick", "dataChange", "dataKeyUp", "d2_vyberChange", "vyres_d2Click",
          "vymaz_2dClick", "kru_kru_vysClick", "kru_usecClick", "d3_vyberChange", "vyres_d3Click", "vymaz_3dClick",
          "napovedaClick", "akt_napClick", "Kalkulakawin1Click", "Vymapole1Click", "nonexistentClick", ""})
        w.add({run(QLatin1String(event))}, {});
    // Requests the runner refuses.
    w.raw("not json");
    w.raw("{}");
    w.raw(R"({"steps":[{"set":{"nonexistent":"1"}}]})");
    w.raw(R"({"steps":[{"set":{"a1":1}}]})");
    w.raw(R"({"steps":[{"stop_after_polls":3}]})");
    w.raw(R"({"steps":[{"run":"rozlozClick","stop_after_polls":0}]})");
    w.raw(R"({"settings":{"zaokrouhleni":"2"},"steps":[]})");
    w.raw(R"({"settings":{"zaokrouhleni":20,"zaokrouhleni_uh_vt":9},"steps":[{"run":"kvreseniClick"},{"run":"uhly_vypocetClick"}]})");
    w.raw(R"({"settings":{"zaokrouhleni":0,"zaokrouhleni_uh_vt":-1},"steps":[{"run":"kvreseniClick"},{"run":"uhly_vypocetClick"}]})");
}

} // namespace

QList<QByteArray> requests()
{
    Sweep w(20261209);
    quadratic(w);
    cubic(w);
    systems(w);
    primes(w);
    bases(w);
    fractions(w);
    divisors(w);
    angles(w);
    statistics(w);
    plane(w);
    solids(w);
    shell(w);
    return w.out;
}

} // namespace qvk::sweep
