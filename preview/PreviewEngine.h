#pragma once

#include <QByteArray>

// Start code for the web engine. Everything here must run before the application
// object exists.
namespace PreviewEngine {

// Our own scheme, which serves pages too large to hand over as a data address.
QByteArray PageScheme();

// Sets the engine's switches and registers PageScheme().
void Prepare();

} // namespace PreviewEngine
