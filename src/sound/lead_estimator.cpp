#include "sound/lead_estimator.h"

#include <algorithm>
#include <utility>

namespace tw {

void LeadEstimator::periodRendered(double renderedMs, double nowMs)
{
    const std::optional<double> previousMs = std::exchange(m_previousMs, nowMs);
    const bool previousInStep = std::exchange(m_inStep, false);
    if (!previousMs)
        return;
    const double sincePrevious = nowMs - *previousMs;
    // The server holds little more than a period: a wait of more than one
    // and a half means it has probably played all it had. (After a period
    // that came early the wait is longer without that.)
    if (sincePrevious > 1.5 * m_periodMs) {
        forget();
        if (previousInStep)
            ++m_dropouts;
        return;
    }
    if (sincePrevious < 0.5 * m_periodMs)
        return;
    m_inStep = true;
    m_recent[m_next] = renderedMs - nowMs;
    m_next = (m_next + 1) % kWindow;
    m_lead = *std::ranges::max_element(m_recent);
}

} // namespace tw
