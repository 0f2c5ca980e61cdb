#pragma once
// Message boxes as a script: every box shown is recorded, and each answers with
// the next scripted answer (OK when none is left).

#include "core/ports.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace tw::test {

class ScriptedMessageBox final : public MessageBoxPort {
public:
    MessageAnswer show(const Message& message) override
    {
        shown_.push_back(message);
        if (whileShown_)
            whileShown_(message);
        if (answers_.empty())
            return MessageAnswer::Ok;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    //! Queues the answer of the next box not yet answered.
    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    //! Runs while each box is open, as the event loop would run nested handlers.
    void whileShown(std::function<void(const Message&)> action) { whileShown_ = std::move(action); }

    const std::vector<Message>& shown() const { return shown_; }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& message : shown_)
            out << message.text;
        return out;
    }
    //! Hands back what was shown so far and forgets it.
    std::vector<Message> takeShown() { return std::exchange(shown_, {}); }
    //! Scripted answers that no box has used yet.
    int unusedAnswers() const { return int(answers_.size()); }

private:
    std::vector<Message> shown_;
    std::deque<MessageAnswer> answers_;
    std::function<void(const Message&)> whileShown_;
};

} // namespace tw::test
