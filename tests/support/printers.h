#pragma once
// GoogleTest printers, so a failed comparison shows texts as texts.

#include "core/editor/editor.h"
#include "core/message.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    // CR and LF are shown escaped: they end every row text.
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *os << '"' << shown.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *os << (i ? ", " : "");
        PrintTo(texts[i], os);
    }
    *os << '}';
}

namespace tw {

inline void PrintTo(const Message& message, std::ostream* os)
{
    static constexpr const char* kIcons[] = {"None", "Error", "Warning", "Information", "Critical"};
    ::PrintTo(message.text, os);
    *os << " icon " << kIcons[int(message.icon)]
        << (message.buttons == MessageButtons::Ok ? " OK" : " OK/Cancel");
}

inline void PrintTo(ToolImage image, std::ostream* os)
{
    static constexpr const char* kNames[] = {"New", "Open", "Save", "Sent", "Play", "Copy",
                                             "Paste", "Insert", "Del", "Undo", "End"};
    *os << kNames[int(image)];
}

inline void PrintTo(PictureStore store, std::ostream* os)
{
    if (store == PictureStore::Stop)
        *os << "Stop";
    else
        PrintTo(ToolImage(int(store)), os);
}

inline void PrintTo(Look look, std::ostream* os)
{
    static constexpr const char* kNames[] = {"Disabled", "Normal", "Pressed"};
    *os << kNames[int(look)];
}

inline void PrintTo(const SelectedRange& range, std::ostream* os)
{
    *os << '(' << range.first << ", " << range.last << ')';
}

} // namespace tw
