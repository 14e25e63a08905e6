#include "batch/protocol.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <sstream>

using qvk::batch::answer;
using qvk::batch::answer_next;
using qvk::batch::kMaxLineBytes;
using qvk::batch::kMaxSteps;
using qvk::batch::kMaxTypedChars;

namespace {

QJsonObject reply(const QByteArray& line)
{
    const QByteArray a = answer(line);
    QJsonParseError err{};
    const QJsonDocument d = QJsonDocument::fromJson(a, &err);
    EXPECT_EQ(err.error, QJsonParseError::NoError) << a.toStdString();
    EXPECT_FALSE(a.contains('\n'));
    return d.object();
}

bool is_fault(const QByteArray& line) { return reply(line).contains(u"fault"); }

TEST(Protocol, BlankLinesGetNoAnswer)
{
    EXPECT_TRUE(answer("").isEmpty());
    EXPECT_TRUE(answer("   \t\r").isEmpty());
}

TEST(Protocol, MalformedRequestsAreFaults)
{
    const char* bad[] = {
        "{",
        "[]",
        "42",
        "\"text\"",
        "{\"steps\": 1}",
        "{}",
        "{\"steps\": [], \"extra\": 1}",
        "{\"steps\": [1]}",
        "{\"steps\": [{\"run\": \"noSuchHandler\"}]}",
        "{\"steps\": [{\"run\": 5}]}",
        "{\"steps\": [{\"set\": {\"noSuchField\": \"1\"}}]}",
        "{\"steps\": [{\"set\": {\"a1\": 5}}]}",
        "{\"steps\": [{\"set\": {\"rovnice\": \"abc\"}}]}",
        "{\"steps\": [{\"set\": {\"a1.colour\": \"1\"}}]}",
        "{\"steps\": [{\"set\": []}]}",
        "{\"steps\": [{\"grids\": {\"nogrid\": []}}]}",
        "{\"steps\": [{\"type\": {\"field\": \"a1\"}}]}",
        "{\"steps\": [{\"type\": {\"field\": \"rovnice\", \"text\": \"1\"}}]}",
        "{\"steps\": [{\"stop_after_polls\": 1}]}",
        "{\"steps\": [{\"run\": \"kvreseniClick\", \"stop_after_polls\": 0}]}",
        "{\"steps\": [{\"run\": \"kvreseniClick\", \"stop_after_polls\": 1.5}]}",
        "{\"steps\": [], \"settings\": {\"zaokrouhleni\": \"2\"}}",
        "{\"steps\": [], \"settings\": {\"vypis_reseni\": 1}}",
        "{\"steps\": [], \"settings\": {\"other\": 1}}",
        "{\"steps\": [], \"settings\": {\"zaokrouhleni\": 1e300}}",
    };
    for (const char* line : bad)
        EXPECT_TRUE(is_fault(line)) << line;
}

TEST(Protocol, FreshModelForEveryRequest)
{
    const QJsonObject first = reply(R"({"steps":[{"set":{"a1":"1"}}]})");
    EXPECT_EQ(first[u"fields"][u"a1"].toString(), QStringLiteral("1"));
    const QJsonObject second = reply(R"({"steps":[]})");
    EXPECT_EQ(second[u"fields"][u"a1"].toString(), QStringLiteral("2"));
    EXPECT_EQ(second[u"listing_visible"].toBool(), false);
    EXPECT_EQ(second[u"settings"][u"zaokrouhleni"].toInt(), 2);
}

TEST(Protocol, TypingHonoursTheCharacterLimitAndFiresTheChange)
{
    const QJsonObject r = reply(R"({"steps":[{"set":{"a1":""},"type":{"field":"a1","text":"1234567"}}]})");
    EXPECT_EQ(r[u"fields"][u"a1"].toString(), QStringLiteral("12345"));
}

TEST(Protocol, ValuesAreTakenAsStrings)
{
    const QJsonObject r = reply(R"({"steps":[{"set":{"rovnice":"3"},"run":"rovniceChange"}]})");
    EXPECT_EQ(r[u"fields"][u"rovnice"].toString(), QStringLiteral("3"));
    EXPECT_EQ(r[u"fields"][u"reseni"].toString(), QStringLiteral("(-nekon.; -4) U (-2; +nekon.)"));
}

TEST(Protocol, SurvivesRandomBytesAndTruncatedJson)
{
    const QByteArray good = R"({"settings":{"zaokrouhleni":3},"steps":[{"set":{"a1":"1","b1":"-5","c1":"6"},"run":"kvreseniClick"}]})";
    for (qsizetype n = 0; n < good.size(); ++n) {
        const QByteArray cut = good.left(n);
        const QByteArray a = answer(cut);
        if (!cut.trimmed().isEmpty()) {
            EXPECT_TRUE(a.startsWith("{\"fault\"")) << cut.toStdString();
        }
    }
    QRandomGenerator rng(12345);
    for (int i = 0; i < 2000; ++i) {
        QByteArray junk(static_cast<qsizetype>(rng.bounded(1, 80)), '\0');
        for (char& c : junk)
            c = static_cast<char>(rng.bounded(256));
        if (i % 3 == 0)
            junk = good.left(rng.bounded(good.size())) + junk; // half a request, then noise
        const QByteArray a = answer(junk);
        if (!junk.trimmed().isEmpty()) {
            EXPECT_FALSE(a.isEmpty());
        }
    }
}

TEST(Protocol, DeeplyNestedInputIsAFault)
{
    EXPECT_TRUE(is_fault(QByteArray(100000, '[')));
    EXPECT_TRUE(is_fault("{\"steps\":[{\"set\":" + QByteArray(5000, '[') + "}]}"));
}

// Every answer of a whole input, as the runner reads it line by line.
QList<QByteArray> answers(const std::string& input)
{
    std::istringstream in(input);
    QList<QByteArray> out;
    while (const std::optional<QByteArray> a = answer_next(in))
        out << *a;
    return out;
}

QByteArray fault_of(const QByteArray& line) { return reply(line)[u"fault"].toString().toUtf8(); }

TEST(Lines, LongLinesAndTheLastLineWithoutEnd)
{
    // A request longer than the reader's chunks, a blank line, one without "\n" at the end.
    const std::string padded = "{\"steps\":[{\"set\":{\"a1\":\"" + std::string(10000, '7') + "\"}}]}";
    const QList<QByteArray> a = answers(padded + "\n\n" + "{\"steps\":[]}");
    ASSERT_EQ(a.size(), 3);
    EXPECT_TRUE(a[0].contains(QByteArray(10000, '7')));
    EXPECT_TRUE(a[1].isEmpty());
    EXPECT_TRUE(a[2].startsWith("{\"fields\""));
    EXPECT_TRUE(answers("").isEmpty());
}

TEST(Lines, ALineBeyondTheBoundIsAFaultAndTheNextIsAnswered)
{
    // A field of 10^8 characters would make such a line; one byte beyond the bound shows it.
    const std::string head = "{\"steps\":[{\"set\":{\"a1\":\"";
    const std::string tail = "\"}}]}";
    const std::string at = head + std::string(static_cast<size_t>(kMaxLineBytes) - head.size() - tail.size(), '1') + tail;
    const std::string beyond = head + std::string(static_cast<size_t>(kMaxLineBytes) - head.size() - tail.size() + 1, '1') + tail;
    const QList<QByteArray> a = answers(beyond + "\n" + at + "\n" + beyond);
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a[0], QByteArray("{\"fault\":\"request line longer than 4194304 bytes\"}"));
    EXPECT_TRUE(a[1].startsWith("{\"fields\""));
    EXPECT_EQ(a[2], a[0]);
}

TEST(Bounds, HugeGridsAreFaults)
{
    const auto grid = [](qsizetype rows, qsizetype cols) {
        QByteArray row = "[";
        for (qsizetype c = 0; c < cols; ++c)
            row += c ? ",\"\"" : "\"\"";
        row += "]";
        QByteArray all;
        for (qsizetype r = 0; r < rows; ++r)
            all += (r ? "," : "") + row;
        return "{\"steps\":[{\"grids\":{\"soustavarov\":[" + all + "]}}]}";
    };
    EXPECT_EQ(fault_of(grid(100001, 0)), "grid \"soustavarov\": Grid size 0 x 100001 is out of range (at most 10000 "
                                         "columns, 100000 rows, 2000000 cells)");
    EXPECT_EQ(fault_of(grid(1, 10001)), "grid \"soustavarov\": Grid size 10001 x 1 is out of range (at most 10000 "
                                        "columns, 100000 rows, 2000000 cells)");
    EXPECT_EQ(fault_of(grid(1001, 2000)), "grid \"soustavarov\": Grid size 2000 x 1001 is out of range (at most "
                                          "10000 columns, 100000 rows, 2000000 cells)");
    // The largest grid is taken whole.
    const QJsonObject largest = reply(grid(100000, 2));
    EXPECT_EQ(largest[u"grids"][u"soustavarov"].toArray().size(), 100000);
}

TEST(Bounds, ManyStepsAreAFault)
{
    QByteArray steps;
    for (qsizetype i = 0; i <= kMaxSteps; ++i)
        steps += i ? ",{}" : "{}";
    EXPECT_EQ(fault_of("{\"steps\":[" + steps + "]}"), "a request holds at most 100 steps");
    steps.chop(3);
    EXPECT_EQ(reply("{\"steps\":[" + steps + "]}")[u"steps"].toArray().size(), kMaxSteps);
}

TEST(Bounds, TypingIsBounded)
{
    const QByteArray half(kMaxTypedChars / 2, '1');
    const QByteArray typeHalf = "{\"set\":{\"data\":\"\"},\"type\":{\"field\":\"data\",\"text\":\"" + half + "\"}}";
    EXPECT_FALSE(reply("{\"steps\":[" + typeHalf + "," + typeHalf + "]}").contains(u"fault"));
    EXPECT_EQ(fault_of("{\"steps\":[" + typeHalf + "," + typeHalf + "," + typeHalf + "]}"),
              "a request types at most 10000 characters");
    // Into a text already longer than that.
    const QByteArray longText(kMaxTypedChars + 1, '5');
    EXPECT_EQ(fault_of("{\"steps\":[{\"set\":{\"data\":\"" + longText + "\"},\"type\":{\"field\":\"data\",\"text\":\"1\"}}]}"),
              "cannot type into \"data\": its text is longer than 10000 characters");
    EXPECT_EQ(fault_of("{\"steps\":[{\"grids\":{\"soustavarov\":[[\"" + longText +
                       "\"]]},\"type\":{\"field\":\"soustavarov\",\"cell\":[0,0],\"text\":\"1\"}}]}"),
              "cannot type into \"soustavarov\": its text is longer than 10000 characters");
}

} // namespace
