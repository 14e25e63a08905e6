// The answer sweep: thousands of generated requests for every calculator run
// through the real qvkalkor-batch, each answer compared byte for byte with
// the one recorded in tests/sweep/answers.jsonl.gz (gzip; lines alternate:
// a request, its answer). A deliberate change of answers is recorded anew
// with `make sweep-record`, which runs this test with QVK_SWEEP_RECORD=1.
#include "sweep_inputs.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <iostream>

namespace {

const QString kRecorded = QStringLiteral(QVK_SWEEP_FILE);

QList<QByteArray> run_batch(const QList<QByteArray>& requests)
{
    QByteArray input;
    for (const QByteArray& r : requests)
        input += r + '\n';
    QProcess runner;
    runner.start(QStringLiteral(QVK_BATCH_BINARY), QStringList());
    if (!runner.waitForStarted())
        return {};
    runner.write(input);
    runner.closeWriteChannel();
    if (!runner.waitForFinished(1800000) || runner.exitCode() != 0)
        return {};
    QList<QByteArray> answers = runner.readAllStandardOutput().split('\n');
    if (!answers.isEmpty() && answers.last().isEmpty())
        answers.removeLast();
    return answers;
}

QList<QByteArray> read_recorded()
{
    QProcess gunzip;
    gunzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), kRecorded});
    if (!gunzip.waitForFinished(600000) || gunzip.exitCode() != 0)
        return {};
    QList<QByteArray> lines = gunzip.readAllStandardOutput().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool write_recorded(const QList<QByteArray>& requests, const QList<QByteArray>& answers)
{
    QByteArray text;
    for (qsizetype i = 0; i < requests.size(); ++i)
        text += requests[i] + '\n' + answers[i] + '\n';
    QProcess gzip;
    // -n: no name or time stamp, so the same answers make the same file.
    gzip.setStandardOutputFile(kRecorded);
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-9nc")});
    if (!gzip.waitForStarted())
        return false;
    gzip.write(text);
    gzip.closeWriteChannel();
    return gzip.waitForFinished(600000) && gzip.exitCode() == 0;
}

QString shown(const QJsonValue& v)
{
    QString s = QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
    s = s.mid(1, s.size() - 2);
    return s.size() > 300 ? s.left(300) + QStringLiteral("...") : s;
}

// Where two answers differ, as "path: recorded ..., now ..." lines.
void differences(const QJsonValue& was, const QJsonValue& now, const QString& path, QStringList& out)
{
    if (out.size() >= 12)
        return;
    if (was.isObject() && now.isObject()) {
        const QJsonObject a = was.toObject();
        const QJsonObject b = now.toObject();
        for (auto it = a.begin(); it != a.end(); ++it) {
            if (!b.contains(it.key()))
                out.append(path + u'.' + it.key() + QStringLiteral(": gone (was ") + shown(it.value()) + u')');
            else
                differences(it.value(), b[it.key()], path + u'.' + it.key(), out);
        }
        for (auto it = b.begin(); it != b.end(); ++it)
            if (!a.contains(it.key()))
                out.append(path + u'.' + it.key() + QStringLiteral(": new, ") + shown(it.value()));
        return;
    }
    if (was.isArray() && now.isArray()) {
        const QJsonArray a = was.toArray();
        const QJsonArray b = now.toArray();
        if (a.size() != b.size())
            out.append(path + QStringLiteral(": %1 elements recorded, %2 now").arg(a.size()).arg(b.size()));
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
            differences(a[i], b[i], path + QStringLiteral("[%1]").arg(i), out);
        return;
    }
    if (was != now)
        out.append(path + QStringLiteral(": recorded ") + shown(was) + QStringLiteral(", now ") + shown(now));
}

std::string explain(const QByteArray& request, const QByteArray& was, const QByteArray& now)
{
    QString text = QStringLiteral("request: ") + QString::fromUtf8(request.left(600)) + u'\n';
    QStringList out;
    QJsonParseError e1{}, e2{};
    const QJsonDocument a = QJsonDocument::fromJson(was, &e1);
    const QJsonDocument b = QJsonDocument::fromJson(now, &e2);
    if (e1.error == QJsonParseError::NoError && e2.error == QJsonParseError::NoError)
        differences(a.object(), b.object(), QStringLiteral("answer"), out);
    if (out.isEmpty()) {
        // Same data, other bytes (or no JSON): show where the bytes part.
        qsizetype at = 0;
        while (at < was.size() && at < now.size() && was[at] == now[at])
            ++at;
        const qsizetype from = std::max<qsizetype>(0, at - 60);
        out.append(QStringLiteral("bytes differ at %1: recorded ...%2, now ...%3")
                       .arg(at)
                       .arg(QString::fromUtf8(was.mid(from, 160)), QString::fromUtf8(now.mid(from, 160))));
    }
    for (const QString& line : out)
        text += QStringLiteral("  ") + line + u'\n';
    return text.toStdString();
}

TEST(BatchSweep, AnswersAsRecorded)
{
    const QList<QByteArray> requests = qvk::sweep::requests();
    ASSERT_GT(requests.size(), 1000);
    const QList<QByteArray> answers = run_batch(requests);
    ASSERT_EQ(answers.size(), requests.size()) << "qvkalkor-batch did not answer every request";

    if (qEnvironmentVariable("QVK_SWEEP_RECORD") == u"1") {
        ASSERT_TRUE(write_recorded(requests, answers)) << "cannot write " << kRecorded.toStdString();
        std::cout << "recorded " << requests.size() << " answers in " << kRecorded.toStdString() << "\n";
        return;
    }

    const QList<QByteArray> recorded = read_recorded();
    ASSERT_FALSE(recorded.isEmpty()) << "no recorded answers in " << kRecorded.toStdString()
                                     << "; record them with `make sweep-record`";
    const qsizetype pairs = recorded.size() / 2;
    EXPECT_EQ(pairs, requests.size()) << "the sweep's requests changed since it was recorded";

    int changedRequests = 0;
    int changedAnswers = 0;
    std::string requestReport;
    std::string answerReport;
    for (qsizetype i = 0; i < std::min(pairs, requests.size()); ++i) {
        const QByteArray& request = recorded[2 * i];
        if (request != requests[i]) {
            if (++changedRequests <= 3)
                requestReport += "request " + std::to_string(i) + " is not the one recorded:\n  recorded " +
                          request.left(300).toStdString() + "\n  now      " + requests[i].left(300).toStdString() + "\n";
            continue;
        }
        if (recorded[2 * i + 1] != answers[i] && ++changedAnswers <= 10)
            answerReport += "answer " + std::to_string(i) + " differs\n" + explain(request, recorded[2 * i + 1], answers[i]);
    }
    EXPECT_EQ(changedRequests, 0) << "the generator makes other requests than those recorded: record again "
                                     "(`make sweep-record`) only if that change was meant\n"
                                  << requestReport;
    EXPECT_EQ(changedAnswers, 0) << changedAnswers << " of " << requests.size()
                                 << " answers differ from those recorded (the first ten follow; "
                                    "`make sweep-record` records the new ones if the change was meant)\n"
                                 << answerReport;
    std::cout << requests.size() << " sweep answers compared\n";
}

} // namespace
