#pragma once

#include <QString>

// A failure of the button's window hook: written to the system log as
// "CandyButton.<routine>: <message>" and shown as a warning. Nothing reaches the host.
void ReportHookFailure(const QString& routine, const QString& message);
