// The message box adapter, offscreen: the caption, the buttons in Japanese from Qt's own
// catalogue, and a width at which a window manager shows the caption whole.

#include "gui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

struct Seen {
    QString caption;
    QStringList buttons;
    int width = 0;
};

//! Shows `message` and answers with Escape once it is up; what the box showed.
Seen showAndEscape(const Message& message)
{
    Seen seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        seen.caption = box->windowTitle();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        seen.width = box->width();
        box->reject();
    });
    poll.start(10);
    MessageBoxes().show(message);
    return seen;
}

TEST(MessageBoxes, ShortBoxesAreWideEnoughForTheirCaptionAndSpeakJapanese)
{
    const Seen ok = showAndEscape({QStringLiteral("起動できません")});
    const Seen question = showAndEscape({QStringLiteral("上書きしてもよろしいですか？"), MessageIcon::None,
                                         MessageButtons::OkCancel});

    for (const Seen& seen : {ok, question}) {
        EXPECT_EQ(seen.caption, "Tunewright");
        EXPECT_GE(seen.width, 300);
    }
    EXPECT_EQ(ok.buttons, QStringList{"OK"});
    EXPECT_TRUE(question.buttons.contains(QStringLiteral("キャンセル"))) << question.buttons.join(u'|').toStdString();
}

} // namespace
} // namespace tw::gui
