#include "cli/console_ports.h"

#include "cli/console.h"
#include "core/message_catalogue.h"

#include <QDir>

namespace tw::cli {

void ConsoleScoreList::moveCaretDown()
{
    if (caret_ + 1 < count())
        ++caret_;
}

void ConsoleScoreList::moveCaretUp()
{
    if (caret_ > 0)
        --caret_;
}

QString ConsoleScoreList::caretText() const
{
    if (caret_ < 0 || caret_ >= count())
        return {};
    QString text = items_[caret_];
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text;
}

MessageAnswer ConsoleMessages::show(const Message& message)
{
    if (message.buttons == MessageButtons::Ok && message.text != msg::kFileOpened)
        printMessage(message.text);
    return MessageAnswer::Ok;
}

QString ConsoleDialogs::currentFolder() const { return QDir::currentPath(); }

void ReadyMidiOut::shortMessage(std::uint32_t message)
{
    if (opened_)
        opened_->shortMessage(message);
}

void ReadyMidiOut::close()
{
    if (opened_)
        opened_->close();
}

} // namespace tw::cli
