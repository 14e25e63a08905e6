// The page "Soustava rovnic" in the whole main window (offscreen): the
// 26-equation system solved with its listing written into the listing
// window, and the number of equations changed 2 -> 26 -> 2 on the spin box
// with both grid views following.
#include "app/assembly.h"
#include "shell/tests/support/page_harness.h"
#include "app/navigation.h"
#include "model/registry.h"
#include "shell/listing_window.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QSpinBox>

#include <benchmark/benchmark.h>

namespace {

const QString kCount = QStringLiteral("pocet_rovnic");
const QString kInput = QStringLiteral("soustavarov");
const QString kResults = QStringLiteral("reseni_rovnic");

using Assembled = qvk::shell::test_support::AssembledModel;

// The program's main window on the system page, listing on.
struct Program : Assembled {
    qvk::shell::Thlavni window{model, registry};

    explicit Program(int equations)
    {
        qvk::Settings s = model.settings();
        s.vypis_rovnic = true;
        model.setSettings(s);
        window.show();
        qvk::app::show_page(model, registry, QStringLiteral("sr"));
        spin()->setValue(equations);
        QApplication::processEvents();
    }

    QSpinBox* spin() const { return window.findChild<QSpinBox*>(kCount); }

    // One solve as a click runs it, then the window catches up (painting
    // the listing and the results).
    void solve()
    {
        window.binding().fire(QStringLiteral("sous_rov_vyresClick"));
        QApplication::processEvents();
    }
};

// Each solve starts from a closed, empty listing, as a first click does.
void solve_each_time(benchmark::State& state, Program& p)
{
    for (auto _ : state) {
        state.PauseTiming();
        p.model.listing_close();
        QApplication::processEvents();
        state.ResumeTiming();
        p.solve();
    }
    state.counters["listing_lines"] = static_cast<double>(p.model.listing().size());
}

// The sample system the page shows for 26 equations (rank 2: two pivots).
void BM_SolveSample26(benchmark::State& state)
{
    Program p(26);
    solve_each_time(state, p);
    if (p.model.grid(kResults).cell(1, 1) != QStringLiteral("dle xx") || p.model.grid(kResults).cell(1, 26) != QStringLiteral("R"))
        state.SkipWithError("wrong result");
}

// The same through the handler on the window model alone, without windows.
void BM_SolveSample26ModelOnly(benchmark::State& state)
{
    Assembled m;
    m.model.setValue(kCount, 26);
    qvk::run_required(m.model, m.registry, QStringLiteral("pocet_rovnicChange"));
    for (auto _ : state) {
        state.PauseTiming();
        m.model.listing_close();
        state.ResumeTiming();
        qvk::run_required(m.model, m.registry, QStringLiteral("sous_rov_vyresClick"));
    }
    state.counters["listing_lines"] = static_cast<double>(m.model.listing().size());
    if (m.model.grid(kResults).cell(1, 26) != QStringLiteral("R"))
        state.SkipWithError("wrong result");
}

// A system with a unique solution: every one of the 26 * 25 eliminations
// and the 26 normalisations is listed.
void BM_SolveFullRank26(benchmark::State& state)
{
    Program p(26);
    qvk::grid::TPubStrGrid& g = p.model.gridForWrite(kInput);
    for (int r = 1; r <= 26; ++r) {
        for (int c = 1; c <= 26; ++c)
            g.SetCellIfChanged(c, r, QString::number(r == c ? 50 + r : (r * 7 + c * 3) % 11 - 5));
        g.SetCellIfChanged(27, r, QString::number(r));
    }
    solve_each_time(state, p);
    if (p.model.grid(kResults).cell(1, 26).isEmpty() || p.model.grid(kResults).cell(1, 26) == QStringLiteral("R"))
        state.SkipWithError("no unique solution");
}

// 2 -> 26 -> 2 on the spin box, as the arrows change it, each followed by
// the window catching up.
void BM_EquationCount2To26To2(benchmark::State& state)
{
    Program p(2);
    for (auto _ : state) {
        p.spin()->setValue(26);
        QApplication::processEvents();
        p.spin()->setValue(2);
        QApplication::processEvents();
    }
    if (p.model.grid(kInput).ColCount() != 4 || p.model.grid(kResults).RowCount() != 3)
        state.SkipWithError("grids not back at 2 equations");
}

} // namespace

BENCHMARK(BM_SolveSample26)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SolveSample26ModelOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SolveFullRank26)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EquationCount2To26To2)->Unit(benchmark::kMillisecond)->UseRealTime();
