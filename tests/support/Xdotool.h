#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>

#include <string>

// The test's X server driven from outside, as a user, a window manager and a task bar would:
// xdotool for keys, the pointer and windows; xwininfo and xprop for what the window manager did.

// A program run to its end: its standard output.
QString runProgram(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(), int msecs = 30000);

// xdotool's answer, a line each.
QStringList xdotool(const QStringList& arguments);

// The visible windows whose title matches the pattern; of that process only, where pid is given.
QStringList windowsNamed(const QString& pattern, qint64 pid = 0);
// The same, once at least one shows; none when none has within the time.
QStringList windowsShown(const QString& pattern, qint64 pid, int timeoutMs = 20000);
// A pattern that matches the title whole.
QString wholeTitle(const QString& title);
QString windowName(const QString& window);

// Place on the screen and size of the window's own area.
QRect windowGeometry(const QString& window);
// The window with its frame, as the window manager has framed it; null before it has.
QRect frameOf(const QString& window);
// The editor's main window has the size of its form; the splash screen and the start dialog
// share its title.
bool isMainWindow(const QString& window);

// Keys pressed one after another, and text typed, into the window brought to the keyboard first.
void pressKeys(const QString& window, const QStringList& keys, int delayMs = 50);
// Keys as a person presses them, one after the other, to whichever window has the focus
// ("ctrl+s Return"), then a moment for the program to answer.
void keys(const QString& names, int settleMs = 250);
// Text typed into whichever window has the focus.
void type(const QString& text);
// The titles of the windows on screen, sorted, as "Preview | Quorvane".
std::string openWindows();
void typeText(const QString& window, const QString& text, int delayMs = 30);
// A key for the visible window of that title once it shows. The key goes in a call of its own:
// chained to the search, xdotool looks at the window again after the press, fails as it has
// gone, and leaves the key down (and repeating).
void pressOnceShown(const QString& pattern, const QString& key);
void clickAt(const QString& window, int x, int y, int button = 1);

// The Close button of the editor's top bar clicked: true when the program then ended well.
bool closedWithTheCloseButton(QProcess& program, const QString& mainWindow);
