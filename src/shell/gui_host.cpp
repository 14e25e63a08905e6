#include "shell/gui_host.h"

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
    QMessageBox box(icon_of(message.kind), message.title, message.text, QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool GuiHost::ask(const Message& message)
{
    QMessageBox box(icon_of(message.kind), message.title, message.text, QMessageBox::Yes | QMessageBox::No,
                    owner_);
    box.setObjectName(QStringLiteral("messageBox"));
    return box.exec() == QMessageBox::Yes;
}

void GuiHost::effect(const Effect& what)
{
    if (effects_)
        effects_(what);
}

std::uint64_t GuiHost::processEvents()
{
    // The model calls this only every `every_` polls of a long loop, whose
    // steps thus cost a counter each. The interval follows the speed of the
    // loop, so that the clock is read about every millisecond whether a step
    // is a comparison or two divisions, and the event loop runs about every
    // 10 ms: Stop is seen within a few tens of milliseconds.
    constexpr qint64 kShortNs = 250'000;
    constexpr qint64 kLongNs = 2'000'000;
    constexpr std::uint64_t kMostPolls = std::uint64_t(1) << 24;
    const qint64 gap = sinceCall_.isValid() ? sinceCall_.nsecsElapsed() : kLongNs + 1;
    if (gap < kShortNs && every_ < kMostPolls)
        every_ *= 2;
    else if (gap > kLongNs && every_ > 1)
        every_ /= 2;
    if (!sincePass_.isValid() || sincePass_.hasExpired(10)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Timed from the end of the pass, so a slow repaint cannot starve the loop.
        sincePass_.start();
    }
    sinceCall_.start();
    return every_;
}

} // namespace qvk::shell
