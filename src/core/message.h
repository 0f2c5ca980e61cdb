#pragma once
// A message box as the program shows it: text, icon and buttons.
// The caption is always the application title, so it is not part of a message.

#include <QString>

namespace tw {

//! The caption of every message box and the title of the main window.
inline const QString kAppTitle = QStringLiteral("Tunewright");

//! Icons of message boxes. `Error` and `Critical` both show the stop sign.
enum class MessageIcon { None, Error, Warning, Information, Critical };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    friend bool operator==(const Message&, const Message&) = default;
};

} // namespace tw
