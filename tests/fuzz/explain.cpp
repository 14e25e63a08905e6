// The worked solution of every page on arbitrary inputs: a calculation picked
// by the first byte, its page's edit fields set to the texts that follow
// (one per line), solved, explained and drawn. No crash, no hang, no runaway memory.
#include "app/assembly.h"
#include "app/calculators.h"
#include "batch/protocol.h"
#include "model/registry.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Known {
    QStringList calculations; // handler names
    QStringList inputs;       // every edit field
};

const Known& known()
{
    static const Known k = [] {
        Known out;
        qvk::WindowModel m;
        qvk::Registry r;
        qvk::app::assemble(m, r);
        for (const qvk::Field& f : m.fields()) {
            if (qvk::app::runs_calculation(m, f.name))
                out.calculations << f.name + QStringLiteral("Click");
            else if (f.kind == qvk::Kind::Edit && !f.readOnly)
                out.inputs << f.name;
        }
        return out;
    }();
    return k;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    known();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const Known& k = known();
    const QString run = k.calculations[data[0] % k.calculations.size()];
    const QList<QByteArray> texts = QByteArray(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2)).split('\n');
    // The second byte picks where among the edit fields the texts go.
    QJsonObject set;
    for (qsizetype i = 0; i < texts.size() && i < 8; ++i)
        set[k.inputs[(data[1] + i * 7) % k.inputs.size()]] = QString::fromUtf8(texts[i]);
    const QJsonObject step{{QStringLiteral("set"), set}, {QStringLiteral("run"), run},
                           {QStringLiteral("stop_after_polls"), 20000}};
    const QJsonObject request{{QStringLiteral("explain"), true}, {QStringLiteral("steps"), QJsonArray{step}}};
    const QByteArray reply = qvk::batch::answer(QJsonDocument(request).toJson(QJsonDocument::Compact));
    QJsonParseError error;
    if (QJsonDocument::fromJson(reply, &error).isNull()) {
        std::fprintf(stderr, "answer is not JSON: %s\n", reply.constData());
        std::abort();
    }
    return 0;
}
