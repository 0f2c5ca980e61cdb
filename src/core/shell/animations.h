#pragma once
// The two decorations of the background picture: the swinging picture while
// the cheese is held, and the falling apple. Positions are in twips, the
// window's own unit (15 twips a pixel).

#include "core/ports.h"

namespace tw {

class Animations {
public:
    explicit Animations(AnimationPort& animation) : animation_(animation) {}

    //! imgAnime's frame counter (its tag).
    int AnimeTag() const { return animeTag_; }

    void cheesePressed();    //!< `imgCheese_MouseDown`
    void cheeseReleased();   //!< `imgCheese_MouseUp`
    void animeTick();        //!< `timerAnime_Timer`
    void appleClicked();     //!< `imgApple_Click`
    void appleDoubleClicked();  //!< `imgApple_DblClick`
    void fallTick();         //!< `timerFall_Timer`

private:
    AnimationPort& animation_;
    int animeTag_ = 0;
};

} // namespace tw
