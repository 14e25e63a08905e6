#include "core/errors.h"
#include "model/registry.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <stdexcept>
#include <cstdint>
#include <vector>

using namespace qvk;

namespace {

struct Fixture : testing::Test {
    WindowModel m;
    Registry r;
    RecordingHost host;

    void SetUp() override
    {
        m.setHost(&host);
        Field e;
        e.name = QStringLiteral("e");
        e.maxLength = 4;
        m.add(e);
        Field out;
        out.name = QStringLiteral("out");
        m.add(out);
    }

    QStringList errors() const
    {
        QStringList texts;
        for (const Message& msg : host.messages) {
            EXPECT_EQ(msg.kind, Message::Kind::Error);
            EXPECT_EQ(msg.title, QStringLiteral("QVkalkor"));
            texts.append(msg.text);
        }
        return texts;
    }
};

TEST_F(Fixture, AnEventThatMustHaveAHandlerFailsLoudlyWithoutOne)
{
    int ran = 0;
    r.add(QStringLiteral("eClick"), [&ran](WindowModel&) { ++ran; });
    r.add(QStringLiteral("eChange"), [&ran](WindowModel&) { ++ran; });
    EXPECT_EQ(r.events(), (QStringList{QStringLiteral("eChange"), QStringLiteral("eClick")}));
    run_required(m, r, QStringLiteral("eClick"));
    EXPECT_EQ(ran, 1);
    // A misspelled name is no silent nothing; neither is a name that an
    // optional event happens to share.
    EXPECT_THROW(run_required(m, r, QStringLiteral("eClik")), std::logic_error);
    EXPECT_THROW(run_required(m, r, QString()), std::logic_error);
    run_if_handled(m, r, QStringLiteral("eKeyUp"));
    run_if_handled(m, r, QStringLiteral("eChange"));
    EXPECT_EQ(ran, 2);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Fixture, ErrorsReachTheErrorDisplayWithTheFullStopRule)
{
    r.add(QStringLiteral("own"), [](WindowModel&) { report_error(QStringLiteral("Nejsou zadány číselné hodnoty")); });
    r.add(QStringLiteral("bang"), [](WindowModel&) { report_error(QStringLiteral("Konstanta A nemůže být rovna nule !")); });
    r.add(QStringLiteral("math"), [](WindowModel&) {
        volatile long double zero = 0;
        volatile long double v = 1 / zero;
        (void)v;
    });
    r.add(QStringLiteral("logic"), [](WindowModel& m) { m.text(QStringLiteral("nope")); });
    EXPECT_TRUE(run_handler(m, r, QStringLiteral("own")));
    EXPECT_TRUE(run_handler(m, r, QStringLiteral("bang")));
    EXPECT_TRUE(run_handler(m, r, QStringLiteral("math")));
    EXPECT_TRUE(run_handler(m, r, QStringLiteral("logic")));
    EXPECT_FALSE(run_handler(m, r, QStringLiteral("none")));
    const QStringList shown = errors();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0], QStringLiteral("Nejsou zadány číselné hodnoty."));
    EXPECT_EQ(shown[1], QStringLiteral("Konstanta A nemůže být rovna nule !"));
    EXPECT_EQ(shown[2], QStringLiteral("Floating point division by zero."));
    EXPECT_TRUE(shown[3].startsWith(QStringLiteral("unknown field")));
}

TEST_F(Fixture, OutputWrittenBeforeAFailureStays)
{
    r.add(QStringLiteral("half"), [](WindowModel& m) {
        m.setText(QStringLiteral("out"), QStringLiteral("written"));
        report_error(QStringLiteral("stop"));
    });
    run_required(m, r, QStringLiteral("half"));
    EXPECT_EQ(m.text(QStringLiteral("out")), QStringLiteral("written"));
}

TEST_F(Fixture, AFaultPendingBeforeAValidationWins)
{
    r.add(QStringLiteral("late"), [](WindowModel&) {
        volatile long double minus = -1;
        volatile long double v = std::sqrt(minus);
        (void)v;
        report_error(QStringLiteral("validation"));
    });
    run_required(m, r, QStringLiteral("late"));
    EXPECT_EQ(errors(), QStringList{QStringLiteral("Invalid floating point operation.")});
}

TEST_F(Fixture, ANestedRunKeepsTheOuterRunsPendingFault)
{
    r.add(QStringLiteral("inner"), [](WindowModel&) {});
    r.add(QStringLiteral("outer"), [this](WindowModel& m) {
        volatile double big = 1e308;
        volatile double v = big * 10;
        (void)v;
        run_required(m, r, QStringLiteral("inner")); // as during event processing
    });
    run_required(m, r, QStringLiteral("outer"));
    EXPECT_EQ(errors(), QStringList{QStringLiteral("Floating point overflow.")});
}

// Toolkit work with its own FP flags: raises invalid or clears everything.
struct ToolkitHost : RecordingHost {
    bool clears = false;
    void work() const
    {
        if (clears) {
            std::feclearexcept(FE_ALL_EXCEPT);
            return;
        }
        volatile double zero = 0;
        volatile double v = zero / zero;
        (void)v;
    }
    void show(const Message& m) override { work(), RecordingHost::show(m); }
    bool ask(const Message& m) override { return work(), RecordingHost::ask(m); }
    void effect(const Effect& what) override { work(), RecordingHost::effect(what); }
    std::uint64_t processEvents() override
    {
        work();
        RecordingHost::processEvents();
        return 1;
    }
};

class ToolkitWork : public testing::TestWithParam<bool> {};

// Every way from a calculation to the toolkit: a view of a field or of the
// listing, a help effect, the listing shown, the event pump, a question.
TEST_P(ToolkitWork, LeavesNoFlagsInTheCalculationAndClearsNone)
{
    const bool clears = GetParam();
    WindowModel m;
    Registry r;
    ToolkitHost host;
    host.clears = clears;
    m.setHost(&host);
    Field out;
    out.name = QStringLiteral("out");
    m.add(out);
    m.observe([&host](const QString&) { host.work(); });
    r.add(QStringLiteral("calc"), [clears](WindowModel& m) {
        if (clears) { // a fault of the calculation itself, pending while the views work
            volatile double big = 1e308;
            volatile double v = big * 10;
            (void)v;
        }
        m.setText(QStringLiteral("out"), QStringLiteral("1"));
        m.listing_add(QStringLiteral("line"));
        m.listing_show();
        m.effect(Effect::help(QStringLiteral("kv_rov")));
        m.processEvents();
        m.ask(QStringLiteral("QVkalkor"), QStringLiteral("?"));
    });
    run_required(m, r, QStringLiteral("calc"));
    QStringList errors;
    for (const Message& msg : host.messages)
        if (msg.kind == Message::Kind::Error)
            errors.append(msg.text);
    EXPECT_EQ(errors, clears ? QStringList{QStringLiteral("Floating point overflow.")} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(RaisingOrClearing, ToolkitWork, testing::Bool());

// A host that asks to see every `every`-th poll and notes the polls it saw;
// its event processing raises a fault of its own.
struct PacedHost : RecordingHost {
    std::uint64_t every = 1;
    const WindowModel* model = nullptr;
    std::vector<std::uint64_t> seen;
    std::uint64_t processEvents() override
    {
        seen.push_back(model->polls());
        volatile double zero = 0;
        volatile double v = zero / zero;
        (void)v;
        return every;
    }
};

// The host sees a run's first poll and then every `every`-th; the model
// counts each poll, and the host's faults never reach the run.
TEST(Polls, TheHostSeesTheFirstPollOfARunThenItsIntervalAndTheModelCountsAll)
{
    WindowModel m;
    Registry r;
    PacedHost host;
    host.every = 4;
    host.model = &m;
    m.setHost(&host);
    r.add(QStringLiteral("long"), [](WindowModel& m) {
        for (int i = 0; i < 10; ++i)
            m.processEvents();
    });
    run_required(m, r, QStringLiteral("long"));
    EXPECT_EQ(m.polls(), 10u);
    EXPECT_EQ(host.seen, (std::vector<std::uint64_t>{1, 5, 9}));
    // A new run starts afresh: its first poll is seen again.
    run_required(m, r, QStringLiteral("long"));
    EXPECT_EQ(m.polls(), 20u);
    EXPECT_EQ(host.seen, (std::vector<std::uint64_t>{1, 5, 9, 11, 15, 19}));
    EXPECT_TRUE(host.messages.empty());
}

// A step that changed what a view shows has its poll seen by the host.
TEST(Polls, AChangeShownInAViewBringsTheNextPollToTheHost)
{
    WindowModel m;
    Registry r;
    PacedHost host;
    host.every = 1000;
    host.model = &m;
    m.setHost(&host);
    Field out;
    out.name = QStringLiteral("out");
    m.add(out);
    m.observe([](const QString&) {});
    r.add(QStringLiteral("long"), [](WindowModel& m) {
        for (int i = 1; i <= 10; ++i) {
            if (i == 6)
                m.setText(QStringLiteral("out"), QStringLiteral("6"));
            m.processEvents();
        }
    });
    run_required(m, r, QStringLiteral("long"));
    EXPECT_EQ(host.seen, (std::vector<std::uint64_t>{1, 6}));
}

// Batch runs: without a stop to make, the host sees only a run's first poll;
// asked to stop at the n-th poll, it sees every poll up to it.
TEST(Polls, TheRecordingHostSeesEveryPollOnlyWhenItHasToCount)
{
    WindowModel m;
    Registry r;
    RecordingHost host;
    m.setHost(&host);
    bool stop = false;
    int polled = 0;
    r.add(QStringLiteral("long"), [&](WindowModel& m) {
        polled = 0;
        stop = false;
        while (!stop && polled < 100000) {
            ++polled;
            m.processEvents();
        }
    });
    run_required(m, r, QStringLiteral("long"));
    EXPECT_EQ(polled, 100000);
    EXPECT_EQ(m.polls(), 100000u);
    host.onPoll = [&](int poll) {
        if (poll == 777)
            stop = true;
    };
    run_required(m, r, QStringLiteral("long"));
    EXPECT_EQ(polled, 777);
    EXPECT_EQ(host.polls, 777);
}

TEST_F(Fixture, TypingFiltersLimitsAndFiresTheChange)
{
    int changes = 0;
    r.add(QStringLiteral("eChange"), [&](WindowModel&) { ++changes; });
    r.addKeyFilter(QStringLiteral("e"), [](WindowModel&, QChar c) -> std::optional<QChar> {
        if (c == u'x')
            return std::nullopt;
        return c == u',' ? QChar(u'.') : c;
    });
    type_text(m, r, QStringLiteral("e"), QStringLiteral("1x,23456"));
    EXPECT_EQ(m.text(QStringLiteral("e")), QStringLiteral("1.23"));
    EXPECT_EQ(changes, 4);
}

TEST_F(Fixture, InitializersRunInOrder)
{
    r.addInitializer([](WindowModel& m) { m.setText(QStringLiteral("out"), QStringLiteral("a")); });
    r.addInitializer([](WindowModel& m) { m.setText(QStringLiteral("out"), m.text(QStringLiteral("out")) + u'b'); });
    r.initialize(m);
    EXPECT_EQ(m.text(QStringLiteral("out")), QStringLiteral("ab"));
}

} // namespace
