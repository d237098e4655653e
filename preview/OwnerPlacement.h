#pragma once

#include "PreviewProtocol.h"

class QWidget;

// Makes the preview window belong to the editor's window although they live in two
// processes: transient for it (so it stays above it and out of the task bar) and
// centred on it. Without an owner, or where the platform cannot name one, the window
// is centred on the screen. Call just before the window is shown, once its content is set.
void PlaceOnOwner(QWidget* window, const PreviewProtocol::OwnerWindow& owner);
