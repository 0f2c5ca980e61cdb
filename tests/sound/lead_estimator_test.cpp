// How far the rendered sound runs ahead of the clock, estimated from the
// periods the audio thread renders. A simulated driver renders period k (k
// periods of sound in all) when the server asks for it, at k periods less the
// true lead, or later when the thread wakes late.

#include "sound/lead_estimator.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr double kPeriodMs = 1000.0 * 512 / 48000;

struct SimulatedDriver {
    LeadEstimator estimator{kPeriodMs};
    int period = 0;
    double trueLeadMs = 15;

    //! Renders the next period, `lateMs` after the server asked for it.
    void render(double lateMs = 0)
    {
        ++period;
        estimator.periodRendered(period * kPeriodMs, period * kPeriodMs - trueLeadMs + lateMs);
    }
};

TEST(LeadEstimator, IsTheTrueLeadWhateverSinglePeriodsComeLateAndFollowsADrift)
{
    SimulatedDriver driver;
    driver.render();
    EXPECT_FALSE(driver.estimator.lead().has_value()) << "one period says nothing of the pace";
    for (int i = 0; i < 1000; ++i) {
        // The server's clock runs 250 ppm fast; every seventh period the thread
        // wakes 3 ms late, the others up to 0.2 ms late.
        driver.trueLeadMs += 0.00025 * kPeriodMs;
        driver.render(i % 7 == 6 ? 3.0 : (i % 3) * 0.1);
        ASSERT_TRUE(driver.estimator.lead().has_value());
        EXPECT_NEAR(*driver.estimator.lead(), driver.trueLeadMs, 0.25) << "period " << driver.period;
    }
    EXPECT_EQ(driver.estimator.dropouts(), 0);
}

TEST(LeadEstimator, IgnoresThePeriodsThatRefillTheServer)
{
    SimulatedDriver driver;
    // At the start the driver fills the server's buffer as fast as it renders.
    for (int i = 0; i < 6; ++i) {
        driver.render();
        driver.trueLeadMs += kPeriodMs - 0.2;
    }
    EXPECT_FALSE(driver.estimator.lead().has_value());
    driver.trueLeadMs = 15;
    driver.render();
    driver.render();
    EXPECT_EQ(driver.estimator.lead(), 15);
}

TEST(LeadEstimator, ForgetsTheLeadBeforeTheServerRanDry)
{
    SimulatedDriver driver;
    for (int i = 0; i < 20; ++i)
        driver.render();
    ASSERT_EQ(driver.estimator.lead(), 15);

    // The thread answers 25 ms late: the server played silence meanwhile, and
    // everything rendered from now on is heard 25 ms later than it would have been.
    driver.render(25);
    driver.trueLeadMs -= 25;
    EXPECT_EQ(driver.estimator.dropouts(), 1);
    EXPECT_EQ(driver.estimator.lead(), 15) << "nothing in step has said otherwise yet";
    // The next period comes soon after, as the driver refills the server.
    driver.trueLeadMs += kPeriodMs - 1;
    driver.render();
    driver.trueLeadMs -= kPeriodMs - 1;
    // The one after that comes long after it, and only the next is in step.
    driver.render();
    EXPECT_EQ(driver.estimator.lead(), 15);
    driver.render();
    EXPECT_EQ(driver.estimator.lead(), -10) << "the first period in step gives the new lead";
    EXPECT_EQ(driver.estimator.dropouts(), 1);
}

} // namespace
} // namespace tw
