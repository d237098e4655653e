#pragma once

#include <QString>

#include <functional>

struct UpdateSource;

// The version text is fetched in the background and kept for the next start, so start-up
// never waits for the network.

// The text the last fetch kept (empty when there is none, or when it is not the one whose
// release serial was accepted last).
QString ReadCachedVersionText(const UpdateSource& source);

// Fetches the text now and keeps it when it arrived whole and signed, with a release serial
// not below the last one accepted; any failure keeps the old one and says nothing. done (if given) learns whether it was kept.
void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done = {});
