#pragma once

class QObject;

// Start-up marks for the measuring scripts. With QUORVANE_PERFMARK in the environment each
// mark writes "PERFMARK <name> <CLOCK_MONOTONIC ns>" to standard error; without it a mark
// costs one test of a flag. QUORVANE_PERFMARK=exit-at-paint ends the program where the main
// window's first paint is on screen, for profilers that run a program to its end.
namespace PerfMark {
bool enabled();
void mark(const char* name);
// Marks the window's first paint as it begins.
void markFirstPaint(QObject* window, const char* name);
// The main window's first paint is on screen: marked, and the end with exit-at-paint.
void firstPaintDone();
}
