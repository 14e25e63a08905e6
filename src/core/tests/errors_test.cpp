#include "core/errors.h"

#include <gtest/gtest.h>

using namespace qvk;

TEST(ErrorDisplay, AppendsAFullStopAfterALetterOrDigit)
{
    struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Nejsou zadány číselné hodnoty", "Nejsou zadány číselné hodnoty."},
        {"Konstanta A nemůže být rovna nule !", "Konstanta A nemůže být rovna nule !"},
        {"Maximální hodnota zadání je 99999", "Maximální hodnota zadání je 99999."},
        {"ends with blank ", "ends with blank "},
        {"ends with paren)", "ends with paren)"},
        {"ends with stop.", "ends with stop."},
        {"ends with slash/", "ends with slash/."},
        {"ends with colon:", "ends with colon:."},
        {"Délka", "Délka."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_display_text(QString::fromUtf8(c.message)).toStdString(), c.shown);
}

TEST(GuardedRead, ReplacesAnyErrorByItsMessage)
{
    try {
        guarded_read(QStringLiteral("block"), [] { reject_value(); });
        FAIL();
    } catch (const Evlastni& e) {
        EXPECT_EQ(e.message(), QStringLiteral("block"));
    }
    try {
        guarded_read(QStringLiteral("block"), [] { throw EMathError(kOverflow); });
        FAIL();
    } catch (const Evlastni& e) {
        EXPECT_EQ(e.message(), QStringLiteral("block"));
    }
    int read = 0;
    EXPECT_NO_THROW(guarded_read(QStringLiteral("block"), [&] { read = 1; }));
    EXPECT_EQ(read, 1);
}

TEST(ReportError, RaisesEvlastniWithTheMessage)
{
    try {
        report_error(QStringLiteral("Nepřípustné zadání"));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(dynamic_cast<const Evlastni*>(&e), nullptr);
        EXPECT_EQ(e.message(), QStringLiteral("Nepřípustné zadání"));
    }
}
