#pragma once
// The score list as a list widget with extended selection behaves for the
// operations the editor uses, plus the user's clicks and arrow keys.
//
// Rules kept from the widget, because the editor's steps depend on them:
// - a caret move selects only the new caret item; a move past the first or
//   the last item changes nothing at all (so SelectRow on the last item leaves
//   the item above it selected);
// - with no caret, a move in either direction goes to the first item;
// - an item keeps its selected flag when other items are inserted or removed
//   around it, and so does the caret;
// - removing the caret item moves the caret to the item above, else to the
//   item below, else there is none;
// - setting the caret does not change the selection.
// An index out of range throws, so a test fails where the widget would quietly
// do something else.

#include "core/ports.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw::test {

class FakeScoreList final : public ScoreListPort {
public:
    // ---- ScoreListPort ----
    int count() const override { return int(items_.size()); }
    QString itemText(int index) const { return items_.at(checked(index)).text; }

    void insertItem(int index, const QString& text) override
    {
        if (index < 0 || index > count())
            throw std::out_of_range("insertItem at " + std::to_string(index));
        items_.insert(items_.begin() + index, Item{text, false});
        if (caret_ >= index)
            ++caret_;
        if (anchor_ >= index)
            ++anchor_;
    }

    void removeItem(int index) override
    {
        items_.erase(items_.begin() + checked(index));
        caret_ = afterRemoval(caret_, index);
        anchor_ = afterRemoval(anchor_, index);
    }

    void clear() override
    {
        items_.clear();
        caret_ = anchor_ = -1;
    }

    int caretIndex() const override { return caret_; }
    void setCaretIndex(int index) override { caret_ = checked(index); }
    bool isSelected(int index) const override { return items_.at(checked(index)).selected; }

    void setFocus() override
    {
        focused_ = true;
        ++focusCalls_;
    }

    void moveCaretDown() override { moveCaretTo(caret_ < 0 ? 0 : caret_ + 1); }
    void moveCaretUp() override { moveCaretTo(caret_ < 0 ? 0 : caret_ - 1); }

    // ---- What the user does ----
    //! A plain click: the item becomes the caret and the only selected item.
    void click(int index) { selectOnly(checked(index)); }

    //! A shift-click: selects the block from the anchor (the last plain or
    //! control click) to the item, and nothing else; the anchor stays.
    void shiftClickTo(int index)
    {
        checked(index);
        const int from = anchor_ < 0 ? index : anchor_;
        for (int i = 0; i < count(); ++i)
            items_[std::size_t(i)].selected = (i >= std::min(from, index) && i <= std::max(from, index));
        caret_ = index;
    }

    //! A control-click: toggles the item's flag; it becomes caret and anchor.
    void ctrlClick(int index)
    {
        auto& item = items_.at(checked(index));
        item.selected = !item.selected;
        caret_ = anchor_ = index;
    }

    //! The arrow keys (without shift).
    void arrowDown() { moveCaretDown(); }
    void arrowUp() { moveCaretUp(); }

    // ---- What a test looks at ----
    QStringList texts() const
    {
        QStringList out;
        for (const auto& item : items_)
            out << item.text;
        return out;
    }

    std::vector<int> selectedIndexes() const
    {
        std::vector<int> out;
        for (int i = 0; i < count(); ++i)
            if (items_[std::size_t(i)].selected)
                out.push_back(i);
        return out;
    }

    //! Whether the list was ever given the input focus, and how often.
    bool hasFocus() const { return focused_; }
    int focusCalls() const { return focusCalls_; }

private:
    struct Item {
        QString text;
        bool selected = false;
    };

    int checked(int index) const
    {
        if (index < 0 || index >= count())
            throw std::out_of_range("list index " + std::to_string(index) + " of "
                                    + std::to_string(count()) + " items");
        return index;
    }

    int afterRemoval(int position, int removed) const
    {
        if (position > removed)
            return position - 1;
        if (position < removed)
            return position;
        if (removed > 0)
            return removed - 1;
        return count() > 0 ? 0 : -1;
    }

    void moveCaretTo(int index)
    {
        if (index < 0 || index >= count() || index == caret_)
            return;
        selectOnly(index);
    }

    void selectOnly(int index)
    {
        for (auto& item : items_)
            item.selected = false;
        items_[std::size_t(index)].selected = true;
        caret_ = anchor_ = index;
    }

    std::vector<Item> items_;
    int caret_ = -1;
    int anchor_ = -1;
    bool focused_ = false;
    int focusCalls_ = 0;
};

} // namespace tw::test
