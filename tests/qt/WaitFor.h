#pragma once
// Waiting for a state in the window tests. The deadline is generous: the
// suite runs on busy machines, and a test asserts the state it waits for,
// never how fast it came (that is for the benchmarks).

#include <QDeadlineTimer>
#include <QTest>

#include <functional>

constexpr int kGenerousMs = 20000;

// True once `condition` holds, events being processed meanwhile; false if it
// still does not hold when `ms` have passed.
inline bool WaitFor(const std::function<bool()>& condition, int ms = kGenerousMs)
{
    QDeadlineTimer deadline(ms);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(10);
    return condition();
}
