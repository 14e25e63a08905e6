#pragma once
// Pages whose filled fields choose a computation (the plane figures, the
// solids): the set of given fields, the first case of a table that takes
// exactly that set, and the typed result of a solve.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

namespace qvk {

// A decimal with its worked form beside it (see planimetry/traced.h): the
// value type a taken case is run on again for the worked solution.
struct Traced;

// A set of fields of one page, bit i for the page's field i.
using Mask = std::uint32_t;

constexpr Mask of(std::initializer_list<int> fields)
{
    Mask m = 0;
    for (int f : fields)
        m |= Mask{1} << f;
    return m;
}

// One accepted combination of given fields: exactly the fields of `given`
// are given, every other field of the page is not, and `compute` finds the
// rest. A page's table of these is tried in order; `Step` is the page's kind
// of step.
template <typename Step>
struct Combination {
    Mask given;
    Step compute;
    // Runs before `compute`; what it refuses is refused as input. Null: none.
    Step check = nullptr;
    // The read block's message; null: the page's.
    const char* message = nullptr;
};

// A computation of a table, written once as a stateless generic lambda over
// the value type and kept as one function per value type it runs on: the
// page's decimals (long double) and the worked solution's Traced values.
// `Values<N>` is what it works on, `Args` what it takes besides.
template <template <typename> class Values, typename... Args>
class Twofold {
public:
    constexpr Twofold() = default;
    constexpr Twofold(std::nullptr_t) {}
    template <typename F>
        requires(std::is_empty_v<F> && !std::is_same_v<F, std::nullptr_t>)
    constexpr Twofold(F) : decimal_(&run<F, long double>), traced_(&run<F, Traced>)
    {
    }

    explicit operator bool() const { return decimal_ != nullptr; }
    void operator()(Values<long double>& v, Args... args) const { decimal_(v, args...); }
    void operator()(Values<Traced>& v, Args... args) const { traced_(v, args...); }

private:
    template <typename F, typename N>
    static void run(Values<N>& v, Args... args)
    {
        F{}(v, args...);
    }
    void (*decimal_)(Values<long double>&, Args...) = nullptr;
    void (*traced_)(Values<Traced>&, Args...) = nullptr;
};

// The first case whose `given` is exactly `given`, or null.
template <typename Step>
const Combination<Step>* match(std::span<const Combination<Step>> cases, Mask given)
{
    for (const Combination<Step>& c : cases)
        if (c.given == given)
            return &c;
    return nullptr;
}

// Index of a matched case in its table.
template <typename Step>
int index_of(std::span<const Combination<Step>> cases, const Combination<Step>* c)
{
    return static_cast<int>(c - cases.data());
}

// What a solve of such a page computed, for what is built on it (worked
// solution, picture): published under the page's name after success.
struct Solved {
    QString page;               // the sheet: which figure or solid
    int row = -1;               // the case taken, by its index in the table
    Mask given = 0;             // the given fields
    std::vector<QString> names; // the fields, by index
    std::vector<double> values; // every value by field, as computed (not rounded for display)
    bool option = false;        // the sheet's check box, when its computation has one
    int places = 0;             // the places values are rounded to
    std::vector<QString> typed; // every field's text as typed, by index

    double operator[](int field) const { return values[static_cast<std::size_t>(field)]; }
    // The value of the named field; NaN when the page has no such field.
    double value(const QString& name) const
    {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name)
                return values[i];
        return std::numeric_limits<double>::quiet_NaN();
    }
};

} // namespace qvk
