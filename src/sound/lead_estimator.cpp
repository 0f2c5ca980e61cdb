#include "sound/lead_estimator.h"

#include <algorithm>
#include <utility>

namespace tw {

void LeadEstimator::periodRendered(double renderedMs, double nowMs)
{
    const std::optional<double> previousMs = std::exchange(previousMs_, nowMs);
    const bool previousInStep = std::exchange(inStep_, false);
    if (!previousMs)
        return;
    const double sincePrevious = nowMs - *previousMs;
    // The server holds little more than a period: a wait of more than one
    // and a half means it has probably played all it had. (After a period
    // that came early the wait is longer without that.)
    if (sincePrevious > 1.5 * periodMs_) {
        forget();
        if (previousInStep)
            ++dropouts_;
        return;
    }
    if (sincePrevious < 0.5 * periodMs_)
        return;
    inStep_ = true;
    recent_[next_] = renderedMs - nowMs;
    next_ = (next_ + 1) % kWindow;
    lead_ = *std::ranges::max_element(recent_);
}

} // namespace tw
