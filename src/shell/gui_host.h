#pragma once
// The model's host in the desktop program: message boxes, the beep, platform
// effects and a cheap event pump for long runs.
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
    // Receives the effects ("help:...", "start:calc", "listing:show").
    void setEffectHandler(std::function<void(const QString&)> handler) { effects_ = std::move(handler); }

    void show(const Message& message) override;
    bool ask(const Message& message) override;
    void effect(const QString& what) override;
    void processEvents() override;
    // Error messages shown so far: tells a failed run from a good one.
    unsigned errorsShown() const { return errors_; }

private:
    QPointer<QWidget> owner_;
    std::function<void(const QString&)> effects_;
    QElapsedTimer clock_;
    unsigned calls_ = 0;
    unsigned errors_ = 0;
};

} // namespace qvk::shell
