#pragma once
// The tests' window: the whole model as after a first start, with a host that
// records what would be shown.
#include "app/assembly.h"

namespace qvk::test_support {

struct AssembledWindow {
    WindowModel model;
    Registry registry;
    RecordingHost host;

    AssembledWindow()
    {
        model.setHost(&host);
        app::assemble(model, registry);
    }
    bool run(const char* event) { return run_handler(model, registry, QString::fromUtf8(event)); }
};

} // namespace qvk::test_support
