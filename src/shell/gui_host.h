#pragma once
// The model's host in the desktop program: message boxes, the beep, platform
// effects and the event pump of long runs.
#include "model/model.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace qvk::shell {

class GuiHost : public Host {
public:
    explicit GuiHost(QWidget* owner = nullptr);

    void setOwner(QWidget* owner) { owner_ = owner; }
    // Receives the effects (help topics, program starts, the listing).
    void setEffectHandler(std::function<void(const Effect&)> handler) { effects_ = std::move(handler); }

    void show(const Message& message) override;
    bool ask(const Message& message) override;
    void effect(const Effect& what) override;
    std::uint64_t processEvents() override;
    // Error messages shown so far: tells a failed run from a good one.
    unsigned errorsShown() const { return errors_; }

private:
    QPointer<QWidget> owner_;
    std::function<void(const Effect&)> effects_;
    QElapsedTimer sinceCall_;   // since the model last called processEvents
    QElapsedTimer sincePass_;   // since the event loop last ran
    std::uint64_t every_ = 1;   // polls between two calls
    unsigned errors_ = 0;
};

} // namespace qvk::shell
