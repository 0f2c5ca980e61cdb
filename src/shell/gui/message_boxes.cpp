#include "shell/gui/message_boxes.h"

#include "shell/editor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tw::gui {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer MessageBoxes::show(const Message& message)
{
    // The texts break their lines with CR LF; a label would draw the CR.
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QMessageBox box(iconOf(message.icon), kAppTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::OkCancel) {
        // Qt's own button texts are English unless its translations are
        // installed; the program's dialogs are Japanese throughout.
        box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace tw::gui
