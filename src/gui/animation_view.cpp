#include "gui/animation_view.h"

#include "gui/art/artwork.h"
#include "gui/art/layout.h"

#include <QLabel>
#include <cmath>

namespace tw::gui {

AnimationView::AnimationView(QLabel& anime, QLabel& fall, QObject* parent)
    : QObject(parent), anime_(anime), fall_(fall), fallTop_(fall.y() * layout::kTwipsPerPixel)
{
    timerAnime_.setObjectName(QStringLiteral("timerAnime"));
    timerFall_.setObjectName(QStringLiteral("timerFall"));
    connect(&timerAnime_, &QTimer::timeout, this, &AnimationView::animeTick);
    connect(&timerFall_, &QTimer::timeout, this, &AnimationView::fallTick);
}

void AnimationView::setTimerInterval(AnimationTimer timer, int intervalMs)
{
    QTimer& t = timer == AnimationTimer::Anime ? timerAnime_ : timerFall_;
    if (intervalMs <= 0)
        t.stop();
    else
        t.start(intervalMs);
}

void AnimationView::showAnimeFrame(int frame) { anime_.setPixmap(art::animeFrame(frame)); }

int AnimationView::fallTop() const { return fallTop_; }

void AnimationView::setFallTop(int twips)
{
    fallTop_ = twips;
    fall_.move(fall_.x(), int(std::lround(double(twips) / layout::kTwipsPerPixel)));
}

} // namespace tw::gui
