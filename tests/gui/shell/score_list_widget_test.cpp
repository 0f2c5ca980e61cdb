#include "codecs/score/row_text.h"
#include "gui/score_list_widget.h"
#include "support/printers.h"

#include <QStyledItemDelegate>
#include <gtest/gtest.h>

namespace tw::gui {
namespace {

TEST(ScoreListWidget, KeepsTheLineEndInTheItemButDoesNotDrawIt)
{
    ScoreListWidget list;
    const QString row = composeRowText(7, fieldsForCode(173));
    list.addItem(row);
    EXPECT_EQ(list.item(0)->text(), row);

    auto* delegate = qobject_cast<QStyledItemDelegate*>(list.itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->displayText(row, QLocale()), row.chopped(2));
}

} // namespace
} // namespace tw::gui
