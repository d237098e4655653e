#pragma once

#include <QtGlobal>

#include <deque>

// A download that has slowed to a trickle is given up: it fails when fewer than minBytes
// arrive in any window of windowMs. Times are milliseconds on one clock, starting at 0.
class LowSpeedRule {
public:
    LowSpeedRule(qint64 windowMs, qint64 minBytes);

    void arrived(qint64 atMs, qint64 bytes);
    // The moment the rule fails unless more arrives before it.
    qint64 deadline() const;

private:
    struct Arrival {
        qint64 atMs;
        qint64 bytes;
    };
    qint64 m_windowMs;
    qint64 m_minBytes;
    // The latest arrivals that together make minBytes, oldest first: when the oldest of
    // them leaves the window, the window holds too little.
    std::deque<Arrival> m_recent;
    qint64 m_recentBytes = 0;
};
