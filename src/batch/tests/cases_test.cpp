// Data-driven cases: each line of tests/batch/*.jsonl is
//   {"name": ..., "request": {...}, "expect": {...}}
// or {"name": ..., "raw": "<input line>", "expect": {...}} for malformed input.
// "expect" is matched against the answer: objects by the keys they name,
// arrays element by element and of the same length, other values exactly.
#include "cases.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace {

using namespace qvk::batch_cases;

// Empty when `actual` matches `expected`; otherwise where and how it differs.
QString mismatch(const QJsonValue& expected, const QJsonValue& actual, const QString& path)
{
    if (expected.isObject()) {
        if (!actual.isObject())
            return path + QStringLiteral(": expected an object");
        const QJsonObject e = expected.toObject();
        const QJsonObject a = actual.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            if (!a.contains(it.key()))
                return path + u'.' + it.key() + QStringLiteral(": missing");
            const QString m = mismatch(it.value(), a[it.key()], path + u'.' + it.key());
            if (!m.isEmpty())
                return m;
        }
        return {};
    }
    if (expected.isArray()) {
        if (!actual.isArray())
            return path + QStringLiteral(": expected an array");
        const QJsonArray e = expected.toArray();
        const QJsonArray a = actual.toArray();
        if (e.size() != a.size())
            return path + QStringLiteral(": expected %1 elements, got %2: %3")
                              .arg(e.size())
                              .arg(a.size())
                              .arg(QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)));
        for (qsizetype i = 0; i < e.size(); ++i) {
            const QString m = mismatch(e[i], a[i], path + QStringLiteral("[%1]").arg(i));
            if (!m.isEmpty())
                return m;
        }
        return {};
    }
    if (expected != actual) {
        auto show = [](const QJsonValue& v) {
            return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
        };
        return path + QStringLiteral(": expected %1, got %2").arg(show(expected), show(actual));
    }
    return {};
}

TEST(BatchCases, EveryCaseFileAnswersAsExpected)
{
    const std::vector<Case> cases = load_cases();
    ASSERT_FALSE(cases.empty());
    QByteArray input;
    for (const Case& c : cases)
        input += c.input + '\n';

    int exitCode = -1;
    const QList<QByteArray> answers = run_batch(input, &exitCode);
    EXPECT_EQ(exitCode, 0);

    ASSERT_GE(answers.size(), static_cast<qsizetype>(cases.size()));
    int failed = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        QJsonParseError err{};
        const QJsonDocument doc = QJsonDocument::fromJson(answers[static_cast<qsizetype>(i)], &err);
        const QString m = err.error != QJsonParseError::NoError
                              ? QStringLiteral("answer is not JSON: ") + QString::fromUtf8(answers[static_cast<qsizetype>(i)])
                              : mismatch(c.expect, doc.object(), QStringLiteral("answer"));
        if (!m.isEmpty()) {
            ++failed;
            ADD_FAILURE() << c.file.toStdString() << ":" << c.line << " [" << c.name.toStdString() << "] "
                          << m.toStdString();
        }
    }
    std::cout << cases.size() - static_cast<size_t>(failed) << " of " << cases.size() << " batch cases passed\n";
}

} // namespace
