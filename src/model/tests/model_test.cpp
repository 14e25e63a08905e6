#include "model/model.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <stdexcept>

using namespace qvk;

namespace {

void declare_sample(WindowModel& m)
{
    Field e;
    e.name = QStringLiteral("e");
    m.add(e);
    Field memo;
    memo.name = QStringLiteral("memo");
    memo.kind = Kind::Memo;
    m.add(memo);
    Field spin;
    spin.name = QStringLiteral("spin");
    spin.kind = Kind::Spin;
    spin.minimum = 2;
    spin.maximum = 26;
    spin.value = 2;
    m.add(spin);
    Field check;
    check.name = QStringLiteral("check");
    check.kind = Kind::Check;
    m.add(check);
    Field button;
    button.name = QStringLiteral("stop");
    button.kind = Kind::Button;
    button.enabled = false;
    button.reported = PropEnabled | PropVisible;
    m.add(button);
}

TEST(Memo, AddLineBehavesLikeATextArea)
{
    WindowModel m;
    declare_sample(m);
    const QString memo = QStringLiteral("memo");
    m.addLine(memo, QStringLiteral("a"));
    m.addLine(memo, QStringLiteral("b"));
    EXPECT_EQ(m.text(memo), QStringLiteral("a\nb\n"));
    EXPECT_EQ(m.lines(memo), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // Typed text without a final break: the next line starts after the last one.
    m.setText(memo, QStringLiteral("1\n2"));
    m.addLine(memo, QStringLiteral("x"));
    EXPECT_EQ(m.text(memo), QStringLiteral("1\n2\nx"));
    EXPECT_EQ(m.lines(memo).size(), 3);
    m.setText(memo, QString());
    EXPECT_TRUE(m.lines(memo).isEmpty());
    m.setLines(memo, {QStringLiteral("p"), QString(), QStringLiteral("q")});
    EXPECT_EQ(m.text(memo), QStringLiteral("p\n\nq\n"));
    EXPECT_EQ(m.lines(memo).size(), 3);
}

TEST(Memo, AppendIsReportedToViews)
{
    WindowModel m;
    declare_sample(m);
    const QString memo = QStringLiteral("memo");
    m.addLine(memo, QStringLiteral("a"));
    EXPECT_EQ(m.field(memo).appendedFrom, 0);
    m.addLine(memo, QStringLiteral("b"));
    EXPECT_EQ(m.field(memo).appendedFrom, 2);
    m.setText(memo, QStringLiteral("z"));
    EXPECT_EQ(m.field(memo).appendedFrom, -1);
}

TEST(Fields, SpinBoxesClamp)
{
    WindowModel m;
    declare_sample(m);
    m.setValue(QStringLiteral("spin"), 40);
    EXPECT_EQ(m.value(QStringLiteral("spin")), 26);
    m.setValueText(QStringLiteral("spin"), QStringLiteral("-3"));
    EXPECT_EQ(m.value(QStringLiteral("spin")), 2);
}

TEST(Fields, GenericAccessByKey)
{
    WindowModel m;
    declare_sample(m);
    m.setValueText(QStringLiteral("check"), QStringLiteral("1"));
    EXPECT_TRUE(m.checked(QStringLiteral("check")));
    m.setValueText(QStringLiteral("stop.enabled"), QStringLiteral("1"));
    EXPECT_EQ(m.valueText(QStringLiteral("stop.enabled")), QStringLiteral("1"));
    m.setValueText(QStringLiteral("e.hint"), QStringLiteral("nápověda"));
    EXPECT_EQ(m.valueText(QStringLiteral("e.hint")), QStringLiteral("nápověda"));
    for (const char* key : {"nothing", "stop", "e.colour", "nothing.enabled"})
        EXPECT_THROW(m.valueText(QString::fromUtf8(key)), std::invalid_argument) << key;
    EXPECT_THROW(m.setValueText(QStringLiteral("check"), QStringLiteral("yes")), std::invalid_argument);
    EXPECT_THROW(m.setValueText(QStringLiteral("spin"), QStringLiteral("2.5")), std::invalid_argument);
    EXPECT_THROW(m.setValueText(QStringLiteral("stop.enabled"), QStringLiteral("2")), std::invalid_argument);
}

TEST(Fields, SnapshotHoldsValuesAndReportedProperties)
{
    WindowModel m;
    declare_sample(m);
    QStringList keys;
    for (const auto& [key, text] : m.snapshot())
        keys.append(key);
    EXPECT_EQ(keys, (QStringList{QStringLiteral("e"), QStringLiteral("memo"), QStringLiteral("spin"),
                                 QStringLiteral("check"), QStringLiteral("stop.enabled"),
                                 QStringLiteral("stop.visible")}));
}

TEST(Fields, ObserversHearOnlyRealChanges)
{
    WindowModel m;
    declare_sample(m);
    QStringList heard;
    m.observe([&](const QString& name) { heard.append(name); });
    m.setText(QStringLiteral("e"), QStringLiteral("1"));
    m.setText(QStringLiteral("e"), QStringLiteral("1"));
    m.setEnabled(QStringLiteral("stop"), false);
    m.setEnabled(QStringLiteral("stop"), true);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("e"), QStringLiteral("stop")}));
}

TEST(Fields, ObserversNeitherRaiseNorClearTheCalculationsFaults)
{
    WindowModel m;
    declare_sample(m);
    m.observe([](const QString&) {
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(FE_INVALID);
    });
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    m.setText(QStringLiteral("e"), QStringLiteral("1"));
    m.listing_add(QStringLiteral("line"));
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), FE_DIVBYZERO);
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Fields, DeclaringTwiceOrReadingAnUnknownNameIsAProgrammingError)
{
    WindowModel m;
    declare_sample(m);
    Field again;
    again.name = QStringLiteral("e");
    EXPECT_THROW(m.add(again), std::logic_error);
    EXPECT_THROW(m.text(QStringLiteral("missing")), std::logic_error);
    EXPECT_THROW(m.grid(QStringLiteral("missing")), std::logic_error);
}

TEST(Listing, AddShowSetLastCloseAndClear)
{
    WindowModel m;
    RecordingHost host;
    m.setHost(&host);
    m.listing_set_last(QStringLiteral("nothing to replace"));
    EXPECT_TRUE(m.listing().isEmpty());
    m.listing_add(QStringLiteral("a"));
    m.listing_add(QStringLiteral("b"));
    m.listing_set_last(QStringLiteral("b longer"));
    EXPECT_EQ(m.listing(), (QStringList{QStringLiteral("a"), QStringLiteral("b longer")}));
    EXPECT_FALSE(m.listingVisible());
    m.listing_show();
    EXPECT_TRUE(m.listingVisible());
    EXPECT_EQ(host.effects, QStringList{QStringLiteral("listing:show")});
    m.listing_clear();
    EXPECT_TRUE(m.listing().isEmpty());
    EXPECT_TRUE(m.listingVisible());
    m.listing_add(QStringLiteral("c"));
    m.listing_close();
    EXPECT_TRUE(m.listing().isEmpty());
    EXPECT_FALSE(m.listingVisible());
}

TEST(Grid, ChangesReachTheObserversUnderTheGridName)
{
    WindowModel m;
    Grid& g = m.addGrid(QStringLiteral("tab"));
    QStringList seen;
    m.observe([&](const QString& name) { seen.append(name); });
    g.setCell(1, 1, QStringLiteral("x"));
    g.SetCellIfChanged(1, 1, QStringLiteral("x"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("tab")});
    EXPECT_EQ(m.grid(QStringLiteral("tab")).cell(1, 1), QStringLiteral("x"));
    EXPECT_THROW(m.addGrid(QStringLiteral("tab")), std::logic_error);
}

} // namespace

// A picture is made once, on request, from clear FP flags; the page's last
// good picture outlives a refusal, and only the calculation that drew it
// counts as drawing now.
TEST(Pictures, LazyPerPageAndTiedToTheirCalculation)
{
    WindowModel m;
    int made = 0;
    QStringList heard;
    m.observe([&](const QString& name) { heard << name; });

    m.explain([] { return Postup{}; });
    m.draw(QStringLiteral("kruh"), [&] {
        ++made;
        return std::fetestexcept(FE_ALL_EXCEPT) ? QStringLiteral("dirty") : QStringLiteral("<svg/>");
    });
    EXPECT_EQ(made, 0);
    EXPECT_EQ(m.drawnNow(), QStringLiteral("kruh"));
    EXPECT_TRUE(heard.contains(WindowModel::kSketch));
    std::feraiseexcept(FE_INVALID);
    EXPECT_EQ(m.sketch(QStringLiteral("kruh")), QStringLiteral("<svg/>"));
    EXPECT_TRUE(std::fetestexcept(FE_INVALID)) << "the caller's flags stay its own";
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(m.sketch(QStringLiteral("kruh")), QStringLiteral("<svg/>"));
    EXPECT_EQ(made, 1);

    // A maker that fails draws nothing, and nothing escapes.
    m.draw(QStringLiteral("ctverec"), []() -> QString { throw std::runtime_error("no"); });
    EXPECT_TRUE(m.sketch(QStringLiteral("ctverec")).isEmpty());

    m.explainRefusal(QStringLiteral("Nepřípustné zadání"));
    EXPECT_TRUE(m.drawnNow().isEmpty());
    EXPECT_TRUE(m.drawn(QStringLiteral("kruh")));

    m.undraw(QStringLiteral("kruh"));
    EXPECT_FALSE(m.drawn(QStringLiteral("kruh")));
    EXPECT_TRUE(m.sketch(QStringLiteral("kruh")).isEmpty());
    EXPECT_TRUE(m.sketch(QStringLiteral("nikde")).isEmpty());
}
