// One request line of qvkalkor-batch, whatever a script sends: an answer or
// a fault line, always valid JSON, never a crash or an endless run.
#include "batch/protocol.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    const QByteArray reply = qvk::batch::answer(line);
    if (reply.isEmpty())
        return 0;
    QJsonParseError error;
    if (QJsonDocument::fromJson(reply, &error).isNull()) {
        std::fprintf(stderr, "answer is not JSON: %s\n", reply.constData());
        std::abort();
    }
    return 0;
}
