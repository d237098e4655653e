#pragma once

#include "RecoveryStore.h"

#include <QString>

// The question that offers a recovery copy of the file at ownerPath, naming the file by its
// full path; a new description (no path) by its book title, where it has one.
QString RecoveryQuestion(const QString& ownerPath, const QString& bookTitle = QString());

// At start-up: offers the copies of editors that have ended, newest first, one after
// another until the user takes one, which becomes the open description with its changes
// unsaved: the description of its file while that is still a .qvn description and no link,
// else a new one that Save asks a place for. No deletes the copy and goes on to the next; No to All deletes it and every
// older one unread; a question closed without an answer keeps its copy and the rest for
// the next start. Copies left after a taken one wait for the next start too. Damaged
// copies met on the way are set aside with one line on standard error. True when one was
// taken.
bool OfferRecoveryCopies(const RecoveryStore& store = RecoveryStore());
