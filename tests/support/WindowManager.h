#pragma once

#include <QProcess>

// A window manager of the test's own on its X server, up (it has named itself on the root
// window) once constructed, ended with the object.
class WindowManager {
public:
    WindowManager();
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool isUp() const { return m_up; }

private:
    QProcess m_process;
    bool m_up = false;
};
