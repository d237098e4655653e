#pragma once

#include <QString>

#include <functional>

// Every message box of the program goes through ShowMessage. The program installs a
// handler that shows a real dialog; tests install a scripted answerer. Without a
// handler (the command line) the text goes to standard error.

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// The ...Later kinds ask a question that may go unanswered: Esc or the window's close box
// answer Cancel (ask again another time) instead of No.
enum class MsgButtons { OK, OKCancel, YesNoCancel, YesNo, YesNoLater, YesNoNoToAllLater };
enum class MsgAnswer { OK, Cancel, Yes, No, NoToAll };

struct MessageRequest {
    QString text;     // may hold CR LF; each is one line break on screen
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    QString caption;
    // A part of text (a file's path) that a dialog may shorten in the middle to fit the
    // screen; the dialog's details then show it whole.
    QString longPart = {};
};

using MessageHandler = std::function<MsgAnswer(const MessageRequest&)>;

// Shows the message and returns the button chosen. The caption defaults to the program's title.
MsgAnswer ShowMessage(const QString& text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::OK,
                      const QString& caption = {});

// The same for a request made in full; an empty caption is the program's title.
MsgAnswer ShowMessage(MessageRequest request);

// Installs the handler; returns the one it replaces. An empty handler restores the default.
MessageHandler SetMessageHandler(MessageHandler handler);

// CR LF, and a lone CR or LF, as the "\n" that a dialog or terminal shows as one line break.
QString MessageTextForDisplay(const QString& text);
