// Every case of tests/batch again with "explain": the answer is otherwise the
// same, every calculation that succeeded has its postup, and every exact value
// is canonical and, evaluated, agrees with the number its field shows.
#include "cases.h"

#include "app/assembly.h"
#include "app/calculators.h"
#include "exact/exact.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>
#include <complex>
#include <set>

namespace {

using namespace qvk::batch_cases;
using qvk::Exact;
using C = std::complex<long double>;

// The interchange syntax read back into an exact value, and evaluated on its
// own in floating point (not through Exact).
class Reader {
public:
    explicit Reader(const QString& text) : s_(text) {}
    bool read(Exact& x, C& v)
    {
        if (!expr(x, v))
            return false;
        return pos_ == s_.size();
    }

private:
    QString s_;
    qsizetype pos_ = 0;

    bool eat(const QString& t)
    {
        if (s_.mid(pos_, t.size()) != t)
            return false;
        pos_ += t.size();
        return true;
    }
    bool number(Exact& x, C& v)
    {
        const qsizetype start = pos_;
        while (pos_ < s_.size() && s_[pos_].isDigit())
            ++pos_;
        if (pos_ == start || pos_ - start > 40)
            return false;
        const QString digits = s_.mid(start, pos_ - start);
        // Whole numbers beyond a double's precision are read digit by digit.
        x = Exact(0);
        for (QChar d : digits)
            x = x * Exact(10) + Exact(d.digitValue());
        v = digits.toDouble();
        return true;
    }
    bool atom(Exact& x, C& v)
    {
        if (eat(QStringLiteral("pi"))) {
            x = Exact::pi();
            v = 3.14159265358979323846264338327950288L;
            return true;
        }
        if (eat(QStringLiteral("i"))) {
            x = Exact::i();
            v = C(0, 1);
            return true;
        }
        if (eat(QStringLiteral("sqrt("))) {
            Exact n;
            C nv;
            if (!number(n, nv) || !eat(QStringLiteral(")")))
                return false;
            x = root(n);
            v = std::sqrt(nv);
            return true;
        }
        if (eat(QStringLiteral("("))) {
            return expr(x, v) && eat(QStringLiteral(")"));
        }
        return number(x, v);
    }
    bool power(Exact& x, C& v)
    {
        if (!atom(x, v))
            return false;
        if (eat(QStringLiteral("^"))) {
            Exact k;
            C kv;
            if (!number(k, kv) || kv.real() < 2)
                return false;
            const Exact base = x;
            for (int i = 1; i < static_cast<int>(kv.real()); ++i)
                x = x * base;
            v = std::pow(v, kv);
        }
        return true;
    }
    bool factor(Exact& x, C& v)
    {
        if (eat(QStringLiteral("-"))) {
            if (!factor(x, v))
                return false;
            x = -x;
            v = -v;
            return true;
        }
        return power(x, v);
    }
    bool term(Exact& x, C& v)
    {
        if (!factor(x, v))
            return false;
        for (;;) {
            const bool times = eat(QStringLiteral("*"));
            if (!times && !eat(QStringLiteral("/")))
                return true;
            Exact y;
            C w;
            if (!factor(y, w))
                return false;
            x = times ? x * y : x / y;
            v = times ? v * w : v / w;
        }
    }
    bool expr(Exact& x, C& v)
    {
        if (!term(x, v))
            return false;
        for (;;) {
            const bool plus = eat(QStringLiteral(" + "));
            if (!plus && !eat(QStringLiteral(" - ")))
                return true;
            Exact y;
            C w;
            if (!term(y, w))
                return false;
            x = plus ? x + y : x - y;
            v = plus ? v + w : v - w;
        }
    }
};

long double decimal(QString t)
{
    t = t.trimmed().replace(u',', u'.');
    bool ok = false;
    const long double v = t.toDouble(&ok);
    return ok ? v : NAN;
}

// The number a result shows: "name" a field, "name[k]" the k-th number of a
// field like "[2,5, -0,25]", "grid[c,r]" a grid cell; "re ± im * i" complex.
std::optional<C> shown(const QJsonObject& answer, const QString& key)
{
    static const QRegularExpression cell(QStringLiteral(R"(^(\w+)\[(\d+),(\d+)\]$)"));
    static const QRegularExpression part(QStringLiteral(R"(^(\w+)\[(\d+)\]$)"));
    QString text;
    if (const auto m = cell.match(key); m.hasMatch()) {
        const QJsonArray rows = answer[u"grids"][m.captured(1)].toArray();
        text = rows.at(m.captured(3).toInt()).toArray().at(m.captured(2).toInt()).toString();
    } else if (const auto m = part.match(key); m.hasMatch()) {
        QString all = answer[u"fields"][m.captured(1)].toString();
        all.remove(u'[').remove(u']');
        text = all.split(QStringLiteral(", ")).value(m.captured(2).toInt());
    } else {
        if (!answer[u"fields"].toObject().contains(key))
            return std::nullopt;
        text = answer[u"fields"][key].toString();
    }
    static const QRegularExpression complex(QStringLiteral(R"(^(\S+) ([+-]) (\S+) \* i$)"));
    if (const auto m = complex.match(text); m.hasMatch()) {
        const long double im = decimal(m.captured(3));
        return C(decimal(m.captured(1)), m.captured(2) == u"-" ? -im : im);
    }
    const long double v = decimal(text);
    if (std::isnan(v))
        return std::nullopt;
    return C(v, 0);
}

// Every postup, exact and sketch key stripped: what the answer is without "explain".
QJsonObject without_explanations(QJsonObject answer)
{
    QJsonArray steps = answer[u"steps"].toArray();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QJsonObject s = steps[i].toObject();
        s.remove(QStringLiteral("postup"));
        s.remove(QStringLiteral("exact"));
        s.remove(QStringLiteral("sketch"));
        steps[i] = s;
    }
    answer[u"steps"] = steps;
    return answer;
}

TEST(Explanations, EveryCaseExplainedWithTheSameFieldsAndExactValuesThatAgree)
{
    // The handlers that calculate: a calculate button's click.
    std::set<QString> calculations;
    {
        qvk::WindowModel m;
        qvk::Registry r;
        qvk::app::assemble(m, r);
        for (const qvk::Field& f : m.fields())
            if (qvk::app::runs_calculation(m, f.name))
                calculations.insert(f.name + QStringLiteral("Click"));
    }
    ASSERT_GE(calculations.size(), 10u);

    std::vector<Case> cases;
    for (Case& c : load_cases())
        if (!c.request.isEmpty() && !c.request.contains(u"explain"))
            cases.push_back(c);
    QByteArray plain, explained;
    for (const Case& c : cases) {
        QJsonObject r = c.request;
        plain += QJsonDocument(r).toJson(QJsonDocument::Compact) + '\n';
        r[u"explain"] = true;
        explained += QJsonDocument(r).toJson(QJsonDocument::Compact) + '\n';
    }
    const QList<QByteArray> before = run_batch(plain), after = run_batch(explained);
    ASSERT_GE(after.size(), static_cast<qsizetype>(cases.size()));

    int exactValues = 0, postups = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string where = c.file.toStdString() + ":" + std::to_string(c.line) + " [" + c.name.toStdString() + "]";
        const QJsonObject a = QJsonDocument::fromJson(after[static_cast<qsizetype>(i)]).object();
        const QJsonObject b = QJsonDocument::fromJson(before[static_cast<qsizetype>(i)]).object();
        if (b.contains(u"fault")) {
            EXPECT_EQ(a, b) << where;
            continue;
        }
        EXPECT_EQ(without_explanations(a), b) << where;

        const QJsonArray steps = a[u"steps"].toArray();
        const QJsonArray asked = c.request[u"steps"].toArray();
        const int places = c.request[u"settings"].toObject()[u"zaokrouhleni"].toInt(2);
        for (qsizetype k = 0; k < steps.size(); ++k) {
            const QJsonObject step = steps[k].toObject();
            // A refusal, or a box saying the sheet does not compute yet; and a
            // state no window reaches (a sheet index beyond the table).
            bool refused = c.name.contains(QStringLiteral("computes nothing"));
            for (const QJsonValue& msg : step[u"messages"].toArray())
                refused = refused || msg[u"kind"] == QStringLiteral("error") || msg[u"kind"] == QStringLiteral("information");
            const QString run = asked[k][u"run"].toString();
            if (calculations.count(run) && !refused) {
                EXPECT_FALSE(step[u"postup"].toArray().isEmpty()) << where << " step " << k << " " << run.toStdString();
                ++postups;
            }
            // Only the last step's values are in the answer's fields.
            if (k + 1 != steps.size())
                continue;
            const QJsonObject exact = step[u"exact"].toObject();
            for (auto it = exact.begin(); it != exact.end(); ++it) {
                const QString text = it.value().toString();
                Exact x;
                C v;
                ASSERT_TRUE(Reader(text).read(x, v)) << where << " " << it.key().toStdString() << " = " << text.toStdString();
                EXPECT_EQ(x.canonical(), text) << where << " " << it.key().toStdString() << ": not canonical";
                const auto s = shown(a, it.key());
                ASSERT_TRUE(s.has_value()) << where << " " << it.key().toStdString() << ": no such number shown";
                const long double tolerance = 1.01L * std::pow(10.0L, -places) + 0.02L * std::abs(*s);
                EXPECT_LE(std::abs(v - *s), tolerance) << where << " " << it.key().toStdString() << " = "
                                                      << text.toStdString() << " but the field shows "
                                                      << static_cast<double>(s->real()) << " + "
                                                      << static_cast<double>(s->imag()) << "i";
                ++exactValues;
            }
        }
    }
    std::cout << postups << " calculations explained, " << exactValues << " exact values checked\n";
}

} // namespace
