#pragma once

#include <QString>

// The damaged recovery copies set aside during one start, told on standard error in one
// line however many there are: a folder of thousands must not flood the terminal.
class DamagedCopies {
public:
    // path could not be read as a copy for fault; it now lies at movedTo, or stayed where
    // it was when movedTo is empty.
    void add(const QString& path, const QString& fault, const QString& movedTo);
    int count() const { return m_moved + m_left; }
    // The one line for all of them, or nothing when there were none; then starts over.
    void report(const QString& damagedFolder);

private:
    QString m_first;  // the first one, in full
    int m_moved = 0;
    int m_left = 0;
};
