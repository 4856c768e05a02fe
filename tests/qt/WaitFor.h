#pragma once
// Waiting for a state in the window tests. The deadline is generous: the
// suite runs on busy machines, and a test asserts the state it waits for,
// never how fast it came (that is for the benchmarks).

#include <QDeadlineTimer>
#include <QTest>

#include <functional>

constexpr int kGenerousMs = 20000;

// True once `condition` holds, events being processed meanwhile; false if it
// still does not hold when `ms` have passed. The condition is asked once a
// turn, so it may act as well as look.
inline bool WaitFor(const std::function<bool()>& condition, int ms = kGenerousMs)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
}
