// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting in GUI tests for something asynchronous, with the event loop running.
#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>

inline bool WaitFor(const std::function<bool()>& done, int ms = 8000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(10);
    return done();
}
