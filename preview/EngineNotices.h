#pragma once

#include <QString>
#include <QtGlobal>

// The web engine and the window system explain on every start that they draw without
// a GPU, which this helper chooses on purpose. Those notices would land on the editor's
// terminal with each preview; everything else, and every error, still gets through.
namespace EngineNotices {

// Whether the message is one of those notices.
bool IsExpected(QtMsgType type, const QString& message, bool sandboxDisabledByUs);

// Drops the notices from now on and passes all other messages to the handler before.
void Quieten(bool sandboxDisabledByUs);

} // namespace EngineNotices
