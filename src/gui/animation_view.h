#pragma once
// The animation port over the window's animated picture `imgAnime`, the
// falling picture `imgFall` and the two timers `timerAnime` and `timerFall`.
// The timers run in the event loop, so they also tick while a melody plays.

#include "core/ports.h"

#include <QObject>
#include <QTimer>

class QLabel;

namespace tw::gui {

class AnimationView final : public QObject, public AnimationPort {
    Q_OBJECT
public:
    AnimationView(QLabel& anime, QLabel& fall, QObject* parent = nullptr);

    void setTimerInterval(AnimationTimer timer, int intervalMs) override;
    void showAnimeFrame(int frame) override;
    int fallTop() const override;
    void setFallTop(int twips) override;

signals:
    void animeTick();  //!< timerAnime_Timer
    void fallTick();   //!< timerFall_Timer

private:
    QLabel& anime_;
    QLabel& fall_;
    QTimer timerAnime_;
    QTimer timerFall_;
    //! Kept in twips: a step of 100 twips is not a whole number of pixels.
    int fallTop_;
};

} // namespace tw::gui
