#pragma once

#include "MessageBox.h"

#include <deque>
#include <vector>

// Answers the program's message boxes from a script and records what was shown.
// Installed for its lifetime. A question with nothing scripted fails the test
// (and is answered Cancel, or No when there is no Cancel); an OK-only message
// needs no script.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    ScriptedMessages& answer(MsgAnswer a)
    {
        m_answers.push_back(a);
        return *this;
    }

    const std::vector<MessageRequest>& shown() const { return m_shown; }
    // Texts shown so far, in order.
    std::vector<QString> texts() const;
    int unusedAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear() { m_shown.clear(); }

private:
    MsgAnswer respond(const MessageRequest& request);

    std::deque<MsgAnswer> m_answers;
    std::vector<MessageRequest> m_shown;
    MessageHandler m_previous;
};
