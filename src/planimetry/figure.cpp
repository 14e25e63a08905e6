#include "planimetry/figure.h"
#include "planimetry/explain.h"
#include "planimetry/plane.h"
#include "core/errors.h"
#include "core/fpu.h"
#include "core/numeric.h"

#include <cmath>

namespace qvk::planimetry {

namespace {

QString name(const Figure& f, int field) { return QString::fromUtf8(f.fields[static_cast<std::size_t>(field)]); }

bool in(Mask set, int field) { return (set >> field) & 1u; }

int field_count(const Figure& f) { return static_cast<int>(f.fields.size()); }

} // namespace

Run::RunOf(const Figure& figure, std::vector<QString> texts, int places, bool option)
    : figure_(figure), texts_(std::move(texts)), places_(places), values_(figure.fields.size(), 0.0),
      option_(option), input_message_(QString::fromUtf8(figure.input_message))
{
}

void Run::check(bool ok) const
{
    guarded_read(input_message_, [&] {
        fpu_check();
        if (!ok)
            reject_value();
    });
}

double Run::rounded(long double x) const { return store_double(round_places(x, places_)); }

void Run::read_by_value()
{
    const int places = places_;
    guarded_read(QString::fromUtf8(figure_.value_message), [&] {
        for (int i = 0; i < field_count(figure_); ++i) {
            if (!in(figure_.inputs, i) || text(i).isEmpty())
                continue;
            const long double x = parse_decimal(text(i));
            if (in(figure_.whole, i))
                (*this)[i] = store_double(std::fabs(static_cast<long double>(trunc_int64(x))));
            else
                (*this)[i] = store_double(std::fabs(round_places(x, places)));
        }
    });
    for (int i = 0; i < field_count(figure_); ++i)
        if (in(figure_.inputs, i) && (*this)[i] != 0)
            given_ |= Mask{1} << i;
}

void Run::read_given(const QString& message)
{
    input_message_ = message;
    const int places = places_;
    guarded_read(message, [&] {
        for (int i = 0; i < field_count(figure_); ++i)
            if (given(i))
                (*this)[i] = store_double(round_places(parse_decimal(text(i)), places));
    });
}

// The results as the page shows them, field by field in writing order.
std::vector<std::pair<int, QString>> written_texts(const Figure& figure, const Run& run, int places)
{
    std::vector<std::pair<int, QString>> out;
    for (int i : figure.written) {
        const double v = run[i];
        if (figure.writing == Writing::Positive && !(v > 0))
            continue;
        const long double shown = in(figure.unrounded, i) ? v : round_places(v, places);
        out.emplace_back(i, format_number(shown));
    }
    return out;
}

void solve(WindowModel& model, const Figure& figure)
{
    // Read: the texts as typed and what the computation depends on.
    std::vector<QString> texts;
    for (int i = 0; i < field_count(figure); ++i)
        texts.push_back(model.text(name(figure, i)));
    const int places = model.settings().zaokrouhleni;
    const QString option = QString::fromUtf8(figure.option ? figure.option : "");
    Run run(figure, std::move(texts), places,
            figure.option && model.checked(option) && model.visible(option));
    if (figure.reading == Reading::ByValue) {
        run.read_by_value();
    } else {
        for (int i = 0; i < field_count(figure); ++i)
            if (in(figure.inputs, i) && !run.text(i).isEmpty())
                run.given_ |= Mask{1} << i;
    }
    if (figure.before_match)
        figure.before_match(run);

    const Row* row = match(figure.rows, run.given_fields());
    if (!row)
        report_error(QString::fromUtf8(figure.no_match));
    if (figure.reading == Reading::ByText)
        run.read_given(QString::fromUtf8(row->message ? row->message : figure.input_message));
    if (row->check)
        row->check(run);
    row->compute(run);

    // A fault of the computation stops the solver before anything is written.
    fpu_check();
    const auto results = written_texts(figure, run, places);
    if (figure.before_write)
        figure.before_write(model, run);
    for (const auto& [i, text] : results)
        model.setText(name(figure, i), text);

    Solved solved{QString::fromUtf8(figure.page), index_of(figure.rows, row), run.given_fields(), {}, run.values_,
                  run.option(), places, run.texts_};
    for (const char* f : figure.fields)
        solved.names.push_back(QString::fromUtf8(f));
    const QString page = solved.page;
    model.publish(page, solved);
    model.explain([f = &figure, solved] { return explain_figure(*f, solved); });
    model.draw(page, [solved] { return sketch_figure(solved); });
}

Postup explain_figure(const Figure& figure, const Solved& solved)
{
    std::vector<QString> captions, keys;
    for (const declare::Entry& e : sheet_fields(solved.page))
        if (e.col >= 0) {
            captions.push_back(caption_name(e.caption));
            keys.push_back(QString::fromUtf8(e.name));
        }
    QString title = QString::fromUtf8(figure.title);
    if (figure.naming)
        figure.naming(solved, title, captions);
    Tracer tracer(title, solved, captions, keys);
    Mask written = 0;
    for (int i : figure.written)
        written |= Mask{1} << i;
    tracer.writes(written, figure.writing == Writing::Positive);
    try {
        fpu_clear();
        RunOf<Traced> run(tracer, solved);
        figure.rows[static_cast<std::size_t>(solved.row)].compute(run);
    } catch (...) {
        // Whatever the run again cannot do, the results still stand.
        tracer.note(QStringLiteral("Další postup nelze vypsat."));
    }
    return tracer.finish();
}

} // namespace qvk::planimetry
