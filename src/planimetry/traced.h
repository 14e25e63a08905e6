#pragma once
// The worked solution of a figure or a solid: the case its solve took is run
// again on Traced values. Each is the decimal exactly as the page computes it
// (so every branch and check goes the same way) with its worked form beside
// it; each field the case finds becomes a step of the postup.
#include "core/formula.h"
#include "core/given.h"
#include "exact/worked.h"

#include <map>
#include <vector>

namespace qvk {

struct Traced {
    long double d = 0;
    Worked w{0};
    // The rule of the formula that gave this value (named in the postup).
    const char* rule = nullptr;
    // Rounded by the page: what follows goes on from the rounded decimal.
    bool rounded = false;

    Traced() = default;
    Traced(int n) : d(n), w(n) {}
    Traced(long double decimal, Worked worked) : d(decimal), w(std::move(worked)) {}
};

inline long double decimal(long double x) { return x; }
inline long double decimal(const Traced& x) { return x.d; }

inline Traced operator+(const Traced& a, const Traced& b) { return {a.d + b.d, a.w + b.w}; }
inline Traced operator-(const Traced& a, const Traced& b) { return {a.d - b.d, a.w - b.w}; }
inline Traced operator*(const Traced& a, const Traced& b) { return {a.d * b.d, a.w * b.w}; }
inline Traced operator/(const Traced& a, const Traced& b) { return {a.d / b.d, a.w / b.w}; }
inline Traced operator-(const Traced& a) { return {-a.d, -a.w}; }
inline bool operator<(const Traced& a, const Traced& b) { return a.d < b.d; }
inline bool operator>(const Traced& a, const Traced& b) { return a.d > b.d; }
inline bool operator<=(const Traced& a, const Traced& b) { return a.d <= b.d; }
inline bool operator>=(const Traced& a, const Traced& b) { return a.d >= b.d; }
inline bool operator==(const Traced& a, const Traced& b) { return a.d == b.d; }

#define QVK_TRACED_UNARY(op) \
    inline Traced op(const Traced& a) { return {op(a.d), op(a.w)}; }
QVK_TRACED_UNARY(root)
QVK_TRACED_UNARY(cube_root)
QVK_TRACED_UNARY(sq)
QVK_TRACED_UNARY(absolute)
QVK_TRACED_UNARY(sin_deg)
QVK_TRACED_UNARY(cos_deg)
QVK_TRACED_UNARY(tan_deg)
QVK_TRACED_UNARY(asin_deg)
QVK_TRACED_UNARY(acos_deg)
QVK_TRACED_UNARY(sin_rad)
QVK_TRACED_UNARY(cos_rad)
QVK_TRACED_UNARY(tan_rad)
QVK_TRACED_UNARY(acos_rad)
QVK_TRACED_UNARY(real_cube_root)
QVK_TRACED_UNARY(within_unit)
#undef QVK_TRACED_UNARY
// Stored as the page stores it; the exact value is not touched.
inline Traced keep(Traced a)
{
    a.d = keep(a.d);
    return a;
}
inline Traced rounded(Traced a, int places)
{
    a.d = rounded(a.d, places);
    a.rounded = true;
    return a;
}
template <>
inline Traced pi<Traced>()
{
    return {pi<long double>(), pi<Worked>()};
}

// The rule a formula applies, for the note before its step; the page's
// values pass through.
inline Traced by_rule(const char* rule, Traced x)
{
    x.rule = rule;
    return x;
}

// Writes the postup while a taken case runs again on Traced values.
class Tracer {
public:
    // `captions`: the fields' names as the pupil reads them ("a", "α"),
    // `keys`: the fields' names in the model.
    Tracer(const QString& heading, const Solved& solved, std::vector<QString> captions, std::vector<QString> keys);
    // Which fields the page writes (only values above 0: `positive`); the
    // others are steps without a recorded exact value.
    void writes(Mask fields, bool positive)
    {
        written_ = fields;
        positive_ = positive;
    }

    // A given field's value, named by its caption.
    Traced input(int field) const;
    // A field found: the rule, the step; the value as the next step uses it.
    Traced found(int field, const Traced& x);
    // A value found on the way that is no field of the page.
    Traced let(const QString& name, const Traced& x);
    void note(const QString& text) { e_.note(text); }
    // "Výsledek:" with every field found, in field order.
    Postup finish();

    int places() const { return solved_.places; }
    const Solved& solved() const { return solved_; }

private:
    QString shown(long double x) const;
    Explainer e_;
    const Solved& solved_;
    std::vector<QString> captions_, keys_;
    std::map<int, Traced> found_;
    Mask written_ = ~Mask{0};
    bool positive_ = false;
};

// A field of a case run again: assigning it records the step. A formula
// handed a field directly works on (unbound) copies.
class Slot : public Traced {
public:
    Slot() = default;
    Slot(const Traced& x) : Traced(x) {}
    Slot(const Slot& x) : Traced(x) {}
    void bind(Tracer* tracer, int field)
    {
        tracer_ = tracer;
        field_ = field;
    }
    Slot& operator=(const Traced& x)
    {
        static_cast<Traced&>(*this) = tracer_ ? tracer_->found(field_, x) : x;
        return *this;
    }
    Slot& operator=(const Slot& x) { return *this = static_cast<const Traced&>(x); }

private:
    Tracer* tracer_ = nullptr;
    int field_ = -1;
};

inline Slot by_rule(const char* rule, const Slot& x)
{
    Slot s(x);
    s.rule = rule;
    return s;
}

// A field's caption without its " =" ("va = " → "va", "α = γ" → "α").
QString caption_name(const char* caption);

} // namespace qvk
