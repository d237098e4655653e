#pragma once

#include "RecoveryStore.h"

#include <QString>

// The question that offers a recovery copy of the file at ownerPath (empty: a new
// description).
QString RecoveryQuestion(const QString& ownerPath);

// At start-up: offers the copies of editors that have ended, newest first, one after
// another until the user takes one, which becomes the open description with its changes
// unsaved; the copies the user declines are deleted. True when one was taken. Copies left
// after a taken one wait for the next start.
bool OfferRecoveryCopies(const RecoveryStore& store = RecoveryStore());
