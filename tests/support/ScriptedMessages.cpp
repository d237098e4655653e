#include "ScriptedMessages.h"

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages()
{
    m_previous = SetMessageHandler([this](const MessageRequest& r) { return respond(r); });
}

ScriptedMessages::~ScriptedMessages()
{
    SetMessageHandler(std::move(m_previous));
}

std::vector<QString> ScriptedMessages::texts() const
{
    std::vector<QString> out;
    for (const auto& r : m_shown)
        out.push_back(r.text);
    return out;
}

MsgAnswer ScriptedMessages::respond(const MessageRequest& request)
{
    m_shown.push_back(request);
    if (!m_answers.empty()) {
        const MsgAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    if (request.buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    ADD_FAILURE() << "unscripted question: " << request.text.toStdString();
    return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}
