// One request line of qvkalkor-batch, whatever a script sends: an answer or
// a fault line, always valid JSON, never a crash or an endless run.
#include "batch/protocol.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A factorization of a large prime runs for seconds, as in the window; the
// page's Stop button ends it. Every run here is stopped at the latest after
// this many polls, so that a long run ends quickly and the rest is explored.
constexpr int kMostPolls = 20000;

QByteArray bounded(const QByteArray& line)
{
    QJsonDocument doc = QJsonDocument::fromJson(line);
    QJsonObject request = doc.object();
    if (!request.value(u"steps").isArray())
        return line;
    QJsonArray steps = request[u"steps"].toArray();
    bool changed = false;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QJsonObject step = steps[i].toObject();
        if (!steps[i].isObject() || !step.contains(u"run"))
            continue;
        const QJsonValue polls = step.value(u"stop_after_polls");
        // A value that is no count stays as given: its fault is part of the protocol.
        if (!polls.isUndefined() && !(polls.isDouble() && polls.toDouble() > kMostPolls))
            continue;
        step[u"stop_after_polls"] = kMostPolls;
        steps[i] = step;
        changed = true;
    }
    if (!changed)
        return line;
    request[u"steps"] = steps;
    return QJsonDocument(request).toJson(QJsonDocument::Compact);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (line.contains('\n'))
        return -1; // the runner splits lines before answering
    const QByteArray reply = qvk::batch::answer(bounded(line));
    if (reply.isEmpty())
        return 0;
    QJsonParseError error;
    if (QJsonDocument::fromJson(reply, &error).isNull()) {
        std::fprintf(stderr, "answer is not JSON: %s\n", reply.constData());
        std::abort();
    }
    return 0;
}
