#include "app/tests/support/assembled_window.h"
#include "numbers/primes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using qvk::numbers::isqrt;

TEST(Isqrt, ExactAroundSquaresOverTheWholeRange)
{
    const std::uint64_t roots[] = {1, 2, 3, 1000, 1000003, 3037000499u, 4294967295u};
    for (std::uint64_t r : roots) {
        const std::uint64_t sq = r * r;
        EXPECT_EQ(isqrt(sq), r) << sq;
        EXPECT_EQ(isqrt(sq - 1), r - 1) << sq - 1;
        EXPECT_EQ(isqrt(sq + 1), r) << sq + 1;
    }
    EXPECT_EQ(isqrt(0), 0u);
    EXPECT_EQ(isqrt(static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())), 3037000499u);
    EXPECT_EQ(isqrt(std::numeric_limits<std::uint64_t>::max()), 4294967295u);
}

struct Page : qvk::test_support::AssembledWindow {
    QStringList stav;

    Page()
    {
        model.observe([this](const QString& name) {
            if (name == u"stav")
                stav.append(model.text(name));
        });
    }
};

// The progress value is shown at 1000001, 7000007, ... before that pass polls.
TEST(Factorization, ProgressValuesThenTheEnd)
{
    Page p;
    // 13000027 = 13000013 + 14 is prime; its square needs passes up to 13000031.
    p.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("169000702000729"));
    p.run("rozlozClick");
    EXPECT_EQ(p.stav, (QStringList{QStringLiteral("1000001"), QStringLiteral("7000007"), QStringLiteral("13000013"),
                                   QStringLiteral("Výpočet dokončen")}));
    EXPECT_EQ(p.model.text(QStringLiteral("rozklad")), QStringLiteral("13000027 ^ 2\n"));
    EXPECT_TRUE(p.host.messages.empty());
}

// Every pass polls once; a stop at any of them ends the run unlocked.
TEST(Factorization, StopAtAnyPollUnlocks)
{
    for (int stopAt : {1, 2, 17, 100}) {
        Page p;
        p.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
        p.host.onPoll = [&](int poll) {
            EXPECT_TRUE(p.model.enabled(QStringLiteral("prerus")));
            EXPECT_FALSE(p.model.enabled(QStringLiteral("rozloz")));
            EXPECT_FALSE(p.model.enabled(QStringLiteral("vypis")));
            if (poll == stopAt)
                p.run("prerusClick");
        };
        p.run("rozlozClick");
        EXPECT_EQ(p.model.polls(), stopAt);
        EXPECT_EQ(p.model.text(QStringLiteral("stav")), QStringLiteral("Výpočet nedokončen"));
        EXPECT_FALSE(p.model.enabled(QStringLiteral("prerus")));
        EXPECT_TRUE(p.model.enabled(QStringLiteral("rozloz")));
        EXPECT_TRUE(p.model.enabled(QStringLiteral("vypis")));
    }
}

// Numbers that are neither even nor multiples of 3 and at least 17 poll once
// per trial pass until a divisor is found.
TEST(Listing, PollsOnlyInsideTrialLoops)
{
    struct Case {
        const char* from;
        const char* to;
        int polls;
    };
    const Case cases[] = {
        {"0", "16", 0},  // 5, 7, 11, 13 need no trial pass
        {"0", "20", 2},  // 17 and 19
        {"25", "25", 1}, // 5 divides at the first pass
        {"49", "49", 1}, // 7 = 5 + 2 at the first pass
        {"121", "121", 2},
    };
    for (const Case& c : cases) {
        Page p;
        p.model.setText(QStringLiteral("xod"), QString::fromUtf8(c.from));
        p.model.setText(QStringLiteral("xdo"), QString::fromUtf8(c.to));
        p.run("vypisClick");
        EXPECT_EQ(p.model.polls(), c.polls) << c.from << ".." << c.to;
    }
}

} // namespace
