// Page tree, help anchors, the solid selector mapping and "Vymaž pole".
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/menu.h"
#include "app/navigation.h"
#include "app/tests/support/assembled_window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qvk::app {
namespace {

using Window = test_support::AssembledWindow;

struct AnchorCase {
    int top;
    const char* inner; // page set, or null
    int index;
    const char* anchor; // null: none
};

class HelpAnchor : public testing::TestWithParam<AnchorCase> {};

TEST_P(HelpAnchor, OfThePageOnShow)
{
    const AnchorCase c = GetParam();
    Window w;
    w.model.setIndex(QStringLiteral("druh"), c.top);
    if (c.inner)
        w.model.setIndex(QString::fromUtf8(c.inner), c.index);
    ASSERT_TRUE(run_handler(w.model, w.registry, QStringLiteral("akt_napClick")));
    if (c.anchor)
        EXPECT_EQ(w.host.effects, QStringList{QStringLiteral("help:vypocet.htm#") + QString::fromUtf8(c.anchor)});
    else
        EXPECT_TRUE(w.host.effects.isEmpty()) << w.host.effects.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HelpAnchor,
    testing::Values(AnchorCase{0, "rov1", 0, "kv_rov"}, AnchorCase{0, "rov1", 1, "kub"},
                    AnchorCase{0, "rov1", 2, "sou"}, AnchorCase{0, "rov1", 3, nullptr},
                    AnchorCase{0, "rov1", -1, nullptr}, AnchorCase{1, "cisla1", 0, "prv"},
                    AnchorCase{1, "cisla1", 1, "cis"}, AnchorCase{1, "cisla1", 2, "zlo"},
                    AnchorCase{1, "cisla1", 3, "nsd"}, AnchorCase{1, "cisla1", 4, "uhl"},
                    AnchorCase{1, "cisla1", 5, nullptr}, AnchorCase{2, nullptr, 0, "sta"},
                    AnchorCase{3, "d2_page", 0, "tp"}, AnchorCase{3, "d2_page", 1, "troj"},
                    AnchorCase{3, "d2_page", 2, "ctv"}, AnchorCase{3, "d2_page", 3, "obd"},
                    AnchorCase{3, "d2_page", 4, "rov"}, AnchorCase{3, "d2_page", 5, "lic"},
                    AnchorCase{3, "d2_page", 6, "n_uhel"}, AnchorCase{3, "d2_page", 7, "kru"},
                    AnchorCase{3, "d2_page", 8, nullptr}, AnchorCase{4, "d3_page", 0, "kry"},
                    AnchorCase{4, "d3_page", 1, "kva"}, AnchorCase{4, "d3_page", 2, "jeh"},
                    AnchorCase{4, "d3_page", 3, "kou"}, AnchorCase{4, "d3_page", 4, "kuz"},
                    AnchorCase{4, "d3_page", 5, "val"}, AnchorCase{4, "d3_page", 6, nullptr},
                    AnchorCase{5, nullptr, 0, nullptr}, AnchorCase{-1, nullptr, 0, nullptr}));

TEST(SolidSelector, CylinderAndConeAreSwapped)
{
    const QString set = QStringLiteral("d3_page");
    const int pageOfItem[] = {0, 1, 2, 3, 5, 4};
    for (int item = 0; item < 6; ++item) {
        EXPECT_EQ(page_of_item(set, item), pageOfItem[item]) << item;
        EXPECT_EQ(item_of_page(set, pageOfItem[item]), item) << item;
    }
    EXPECT_EQ(page_of_item(set, -1), -1);
    EXPECT_EQ(page_of_item(set, 6), -1);
    EXPECT_EQ(item_of_page(set, 6), -1);
}

TEST(CalculatorTable, EverySheetOfAFrameHasOneItemAndAPicture)
{
    for (const Page& holder : page_table()) {
        if (!holder.frame)
            continue;
        const QList<const Page*> sheets = pages_of(QString::fromLatin1(holder.holds));
        ASSERT_FALSE(sheets.isEmpty()) << holder.name;
        QList<int> items;
        for (const Page* sheet : sheets) {
            items.append(sheet->item);
            EXPECT_TRUE(sheet->picture) << sheet->name;
        }
        std::sort(items.begin(), items.end());
        for (int i = 0; i < items.size(); ++i)
            EXPECT_EQ(items[i], i) << holder.name;
    }
}

TEST(CalculatorTable, PageNamesAreUniqueAndSetsHaveOneHolder)
{
    QStringList names;
    for (const Page& p : page_table()) {
        EXPECT_FALSE(names.contains(QString::fromLatin1(p.name))) << p.name;
        names.append(QString::fromLatin1(p.name));
        if (QLatin1String(p.set) != QLatin1String(kTopSet)) {
            EXPECT_TRUE(holder_of(p)) << p.name;
        }
    }
}

TEST(SolidSelector, ChoosingAnItemShowsItsPageAndPicture)
{
    const char* pictures[] = {"krychle", "kvadr", "jehlan", "koule", "valec", "kuzel"};
    for (int item = 0; item < 6; ++item) {
        Window w;
        w.model.setIndex(QStringLiteral("d3_vyber"), item);
        run_required(w.model, w.registry, QStringLiteral("d3_vyberChange"));
        EXPECT_EQ(w.model.index(QStringLiteral("d3_page")), page_of_item(QStringLiteral("d3_page"), item));
        EXPECT_EQ(w.model.text(QStringLiteral("d3_ikona")), QString::fromUtf8(pictures[item]));
    }
}

TEST(PlaneSelector, ItemIsPage)
{
    const char* pictures[] = {"troj_prav", "troj_obec", "ctverec", "obdelnik",
                              "rovnobeznik", "lichobeznik", "n_uhel", "kruh"};
    for (int item = 0; item < 8; ++item) {
        Window w;
        w.model.setIndex(QStringLiteral("d2_vyber"), item);
        run_required(w.model, w.registry, QStringLiteral("d2_vyberChange"));
        EXPECT_EQ(w.model.index(QStringLiteral("d2_page")), item);
        EXPECT_EQ(w.model.text(QStringLiteral("d2_ikona")), QString::fromUtf8(pictures[item]));
    }
}

TEST(ShowPage, SetsTheSelectorOfASolidPage)
{
    Window w;
    show_page(w.model, w.registry, PageSolids, 4);
    EXPECT_EQ(w.model.index(QStringLiteral("druh")), 4);
    EXPECT_EQ(w.model.index(QStringLiteral("d3_vyber")), 5);
    EXPECT_EQ(w.model.index(QStringLiteral("d3_page")), 4);
    EXPECT_EQ(w.model.text(QStringLiteral("d3_ikona")), QStringLiteral("kuzel"));
    show_page(w.model, w.registry, PageNumbers, 3);
    EXPECT_EQ(w.model.index(QStringLiteral("cisla1")), 3);
}

struct ClearCase {
    int top;
    int numbersPage;
    const char* handler; // null: nothing runs
};

class ClearFields : public testing::TestWithParam<ClearCase> {};

TEST_P(ClearFields, RunsTheClearButtonOfThePageOnShow)
{
    const ClearCase c = GetParam();
    Window w;
    QStringList ran;
    for (const char* name : {"vymaz_2dClick", "vymaz_3dClick", "vymaz_statClick", "uhly_vymazClick"}) {
        const QString event = QString::fromUtf8(name);
        w.registry.add(event, [&ran, event](WindowModel&) { ran.append(event); });
    }
    w.model.setIndex(QStringLiteral("druh"), c.top);
    w.model.setIndex(QStringLiteral("cisla1"), c.numbersPage);
    run_required(w.model, w.registry, QStringLiteral("Vymapole1Click"));
    if (c.handler)
        EXPECT_EQ(ran, QStringList{QString::fromUtf8(c.handler)});
    else
        EXPECT_TRUE(ran.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, ClearFields,
                         testing::Values(ClearCase{0, 4, nullptr}, ClearCase{1, 0, nullptr},
                                         ClearCase{1, 3, nullptr}, ClearCase{1, 4, "uhly_vymazClick"},
                                         ClearCase{2, 0, "vymaz_statClick"}, ClearCase{3, 0, "vymaz_2dClick"},
                                         ClearCase{4, 4, "vymaz_3dClick"}));

TEST(ClearFields, WithoutAClearHandlerNothingHappens)
{
    Window w;
    w.model.setIndex(QStringLiteral("druh"), PagePlane);
    EXPECT_TRUE(run_handler(w.model, w.registry, QStringLiteral("Vymapole1Click")));
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(CloseRequest, SetsBothStopFlags)
{
    Window w;
    close_request(w.model);
    EXPECT_TRUE(w.model.stop(QStringLiteral("primes")));
    EXPECT_TRUE(w.model.stop(QStringLiteral("statistics")));
}

TEST(Menu, HelpStartPageAndCalculatorAreEffects)
{
    Window w;
    run_required(w.model, w.registry, QStringLiteral("napovedaClick"));
    run_required(w.model, w.registry, QStringLiteral("Kalkulakawin1Click"));
    EXPECT_EQ(w.host.effects, (QStringList{QStringLiteral("help:index"), QStringLiteral("start:calc")}));
}

} // namespace
} // namespace qvk::app
