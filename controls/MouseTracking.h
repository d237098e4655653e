#pragma once

#include <functional>

class QWidget;

// The leave notification the button asks for each time the pointer enters it. Once asked,
// the window gets one MouseLeaveEventType() event when the pointer next leaves it. Qt's
// leave event is the service underneath; tests can declare it missing.
namespace MouseTracking {

// Whether a module exports a function, as the button's set-up asks it. The program answers
// yes for the two tracking services.
bool ModuleExports(const char* module, const char* function);

// Replaces the answer of ModuleExports; an empty function restores the program's.
using ExportLookup = std::function<bool(const char* module, const char* function)>;
void SetExportLookup(ExportLookup lookup);

// Asks for one leave notification for the window. Asking again before it came does nothing.
void RequestLeaveNotification(QWidget* window);

} // namespace MouseTracking
