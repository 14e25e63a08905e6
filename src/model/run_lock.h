#pragma once
// While a long run goes, its page's start buttons are disabled and its Stop
// button enabled; the lock gives them back however the run ends (finished,
// stopped, or by an error), and with them the focus that the disabled start
// button lost.
#include "model/model.h"

#include <QStringList>

namespace qvk {

class RunLock {
public:
    RunLock(WindowModel& model, QString stop, QStringList starts)
        : m_(model), stop_(std::move(stop)), starts_(std::move(starts)), before_(m_.focused())
    {
        m_.setEnabled(stop_, true);
        for (const QString& s : starts_)
            m_.setEnabled(s, false);
        parked_ = m_.focused();
    }
    ~RunLock() { idle(); }
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // The idle states at once (the lock's end repeats them harmlessly).
    void idle()
    {
        // Start buttons first: a Stop button disabled while it has the focus
        // would hand it to whatever comes next (a tab bar, the memo).
        for (const QString& s : starts_)
            m_.setEnabled(s, true);
        // Back where the run started, unless the user has moved on meanwhile.
        const QString now = m_.focused();
        if (!before_.isEmpty() && now != before_ && (now == parked_ || now == stop_ || now.isEmpty()))
            m_.setFocus(before_);
        m_.setEnabled(stop_, false);
    }

private:
    WindowModel& m_;
    QString stop_;
    QStringList starts_;
    QString before_; // the focus when the run started
    QString parked_; // where the disabled start button sent it
};

} // namespace qvk
