#pragma once

#include "core/ports.h"

class QListWidget;

namespace tw::gui {

//! The score list port over a list widget with extended selection.
class ScoreListAdapter : public ScoreListPort {
public:
    explicit ScoreListAdapter(QListWidget& list) : list_(list) {}

    int count() const override;
    //! The text of an item, for comparing the list with what the editor wrote.
    QString itemText(int index) const;
    void insertItem(int index, const QString& text) override;
    void removeItem(int index) override;
    void clear() override;
    int caretIndex() const override;
    void setCaretIndex(int index) override;
    bool isSelected(int index) const override;
    void setFocus() override;
    void moveCaretDown() override;
    void moveCaretUp() override;

private:
    void moveCaret(int step);

    QListWidget& list_;
};

} // namespace tw::gui
