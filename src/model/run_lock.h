#pragma once
// While a long run goes, its page's start buttons are disabled and its Stop
// button enabled; the lock gives them back however the run ends (finished,
// stopped, or by an error).
#include "model/model.h"

#include <QStringList>

namespace qvk {

class RunLock {
public:
    RunLock(WindowModel& model, QString stop, QStringList starts) : m_(model), stop_(std::move(stop)), starts_(std::move(starts))
    {
        m_.setEnabled(stop_, true);
        for (const QString& s : starts_)
            m_.setEnabled(s, false);
    }
    ~RunLock() { idle(); }
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // The idle states at once (the lock's end repeats them harmlessly).
    void idle()
    {
        m_.setEnabled(stop_, false);
        for (const QString& s : starts_)
            m_.setEnabled(s, true);
    }

private:
    WindowModel& m_;
    QString stop_;
    QStringList starts_;
};

} // namespace qvk
