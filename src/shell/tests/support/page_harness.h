#pragma once
// One page of the window over a full model, with the desktop's host and
// event pump, outside the main window. Message boxes are noted and closed,
// so that a test fails instead of waiting for a user.
#include "app/assembly.h"
#include "shell/binding.h"
#include "shell/gui_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace qvk::shell::test_support {

// The model is assembled before the page reads its captions.
struct AssembledModel {
    WindowModel model;
    Registry registry;
    AssembledModel() { app::assemble(model, registry); }
};

template <typename Page>
struct PageHarness : AssembledModel {
    GuiHost host;
    Page page{model, 1.0};
    Binding binding{model, registry};

    QStringList boxes; // texts of the message boxes, closed as they appeared
    QTimer watchdog;

    PageHarness()
    {
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.append(box->text());
                box->reject();
            }
        });
        watchdog.start(20);
        host.setOwner(&page);
        model.setHost(&host);
        binding.bindTree(&page);
        page.show();
    }
    ~PageHarness() { model.setHost(nullptr); }

    template <typename W>
    W* widget(const char* name) const
    {
        return page.template findChild<W*>(QString::fromUtf8(name));
    }
};

} // namespace qvk::shell::test_support
