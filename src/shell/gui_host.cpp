#include "shell/gui_host.h"
#include "core/fpu.h"

#include <QApplication>
#include <QMessageBox>


namespace qvk::shell {

GuiHost::GuiHost(QWidget* owner) : owner_(owner) {}

namespace {

QMessageBox::Icon icon_of(Message::Kind kind)
{
    switch (kind) {
    case Message::Kind::Error: return QMessageBox::Critical;
    case Message::Kind::Information: return QMessageBox::Information;
    case Message::Kind::Warning: return QMessageBox::Warning;
    case Message::Kind::Question: return QMessageBox::Question;
    case Message::Kind::Beep: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void GuiHost::show(const Message& message)
{
    if (message.kind == Message::Kind::Beep) {
        QApplication::beep();
        return;
    }
    if (message.kind == Message::Kind::Error)
        ++errors_;
    // The box runs the event loop inside the calculation.
    FpuFlagsKept calculation;
    QMessageBox box(icon_of(message.kind), message.title, message.text, QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool GuiHost::ask(const Message& message)
{
    FpuFlagsKept calculation;
    QMessageBox box(icon_of(message.kind), message.title, message.text, QMessageBox::Yes | QMessageBox::No,
                    owner_);
    box.setObjectName(QStringLiteral("messageBox"));
    return box.exec() == QMessageBox::Yes;
}

void GuiHost::effect(const QString& what)
{
    // Showing the help lays out its page: the toolkit's floating point work
    // there is no fault of the calculation that asked for it.
    FpuFlagsKept calculation;
    if (effects_)
        effects_(what);
}

void GuiHost::processEvents()
{
    // Called once per step of a long loop: read the clock only every few
    // hundred calls and let the event loop run about every 10 ms, so the loop
    // keeps the speed of its arithmetic and Stop still works within a few
    // tens of milliseconds.
    if ((++calls_ & 0xff) != 0)
        return;
    if (clock_.isValid() && !clock_.hasExpired(10))
        return;
    // The toolkit's own floating point work (layout, painting) must neither
    // raise a fault in the calculation nor clear one it has pending.
    {
        FpuFlagsKept calculation;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // Timed from the end of the pass, so a slow repaint cannot starve the loop.
    clock_.start();
}

} // namespace qvk::shell
