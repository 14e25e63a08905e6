#include "batch/protocol.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

using qvk::batch::answer;

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

} // namespace
