#include "gui/message_boxes.h"

#include "core/message.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

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

//! A window manager cuts the caption of a box narrower than its title bar needs ("Tune…ight"),
//! so no box of the program is narrower than this.
constexpr int kMinimumBoxWidth = 300;

//! QMessageBox sizes itself to its text on every show, overriding a minimum size; a spacer
//! across the bottom of its grid is the width it keeps.
void keepMinimumWidth(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(kMinimumBoxWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
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
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    keepMinimumWidth(box);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace tw::gui
