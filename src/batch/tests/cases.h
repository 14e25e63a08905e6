#pragma once
// The case files of tests/batch and the runner they go through.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <vector>

namespace qvk::batch_cases {

struct Case {
    QString file;
    int line = 0;
    QString name;
    QByteArray input;
    QJsonValue expect;
    QJsonObject request; // empty for a raw input line
};

inline std::vector<Case> load_cases()
{
    std::vector<Case> cases;
    const QDir dir(QStringLiteral(QVK_CASES_DIR));
    for (const QString& file : dir.entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        int line = 0;
        while (!f.atEnd()) {
            const QByteArray text = f.readLine().trimmed();
            ++line;
            if (text.isEmpty() || text.startsWith('#'))
                continue;
            Case c;
            c.file = file;
            c.line = line;
            QJsonParseError err{};
            const QJsonObject o = QJsonDocument::fromJson(text, &err).object();
            if (err.error != QJsonParseError::NoError) {
                c.name = QStringLiteral("unreadable case");
                c.input = "{}";
                c.expect = QJsonObject{{QStringLiteral("unreadable case line"), err.errorString()}};
            } else {
                c.name = o[u"name"].toString();
                c.input = o.contains(u"raw") ? o[u"raw"].toString().toUtf8()
                                             : QJsonDocument(o[u"request"].toObject()).toJson(QJsonDocument::Compact);
                c.expect = o[u"expect"];
                if (!o.contains(u"raw"))
                    c.request = o[u"request"].toObject();
            }
            cases.push_back(c);
        }
    }
    return cases;
}

#ifdef QVK_BATCH_BINARY
// Every input through one run of the real qvkalkor-batch: the answer lines.
inline QList<QByteArray> run_batch(const QByteArray& input, int* exitCode = nullptr)
{
    QProcess runner;
    runner.start(QStringLiteral(QVK_BATCH_BINARY), QStringList());
    if (!runner.waitForStarted())
        return {};
    runner.write(input);
    runner.closeWriteChannel();
    runner.waitForFinished(600000);
    if (exitCode)
        *exitCode = runner.exitStatus() == QProcess::NormalExit ? runner.exitCode() : -1;
    return runner.readAllStandardOutput().split('\n');
}
#endif

} // namespace qvk::batch_cases
