#pragma once

#include <QtGlobal>

// Watches the start of the window system. Without a display the platform would abort
// the program with several lines about plug-ins; instead this prints one line that says
// what is missing and ends the program with status 1. Messages of a start that succeeds
// are passed on unchanged once the check ends.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The one line printed when no display can be reached, from what the platform said.
    static QByteArray FailureLine(const QString& platformMessages);

private:
    QtMessageHandler m_previous;
};
