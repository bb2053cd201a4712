#include "orbit/kepler.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace skyanchor {
namespace {

constexpr double kPi = std::numbers::pi;

OrbitalElements workedExample() {
    return {.semiMajorAxis = 7000, .eccentricity = 0.1, .inclination = 30, .argumentOfPeriapsis = 40,
            .ascendingNode = 50, .meanAnomaly = 60};
}

TEST(GenerateVectors, ReproducesTheWorkedExampleToTheMillimetre) {
    const StateVector s = generateVectors(workedExample(), kPi, 1.0);
    EXPECT_NEAR(s.x, -5678059.361, 5e-4);
    EXPECT_NEAR(s.y, 1695149.310, 5e-4);
    EXPECT_NEAR(s.z, 3140362.148, 5e-4);
    EXPECT_NEAR(s.vx, -3500.328, 5e-4);
    EXPECT_NEAR(s.vy, -6971.156, 5e-4);
    EXPECT_NEAR(s.vz, -1038.980, 5e-4);
    EXPECT_NEAR(solveKepler(0.1, 60.0 / 180.0 * kPi), 1.1379762021, 1e-10);
}

TEST(GenerateVectors, CircularOrbitAtZeroAnglesLiesOnTheXAxis) {
    const StateVector s = generateVectors({.semiMajorAxis = 7000}, kPi, 1.0);
    EXPECT_EQ(s.x, 7000000.0);
    EXPECT_EQ(s.y, 0.0);
    EXPECT_EQ(s.z, 0.0);
    EXPECT_EQ(s.vx, 0.0);
    EXPECT_TRUE(std::signbit(s.vx));
    EXPECT_NEAR(s.vy, 7546.053273, 1e-6);
    EXPECT_EQ(s.vz, 0.0);
}

TEST(GenerateVectors, MeanAnomalyBeyondOneTurnGivesTheSameState) {
    OrbitalElements beyond = workedExample();
    beyond.meanAnomaly = 420;
    const StateVector a = generateVectors(workedExample(), kPi, 1.0);
    const StateVector b = generateVectors(beyond, kPi, 1.0);
    EXPECT_NEAR(a.x, b.x, 1e-6);
    EXPECT_NEAR(a.y, b.y, 1e-6);
    EXPECT_NEAR(a.z, b.z, 1e-6);
    EXPECT_NEAR(a.vx, b.vx, 1e-9);
    EXPECT_NEAR(a.vy, b.vy, 1e-9);
    EXPECT_NEAR(a.vz, b.vz, 1e-9);
}

TEST(GenerateVectors, TheSunScalesOnlyTheVelocity) {
    const StateVector earth = generateVectors(workedExample(), kPi, 1.0);
    const StateVector sun = generateVectors(workedExample(), kPi, 320000.0);
    const double factor = std::sqrt(320000.0);
    EXPECT_EQ(sun.x, earth.x);
    EXPECT_EQ(sun.y, earth.y);
    EXPECT_EQ(sun.z, earth.z);
    EXPECT_NEAR(sun.vx, earth.vx * factor, 1e-9 * std::abs(sun.vx));
    EXPECT_NEAR(sun.vy, earth.vy * factor, 1e-9 * std::abs(sun.vy));
    EXPECT_NEAR(sun.vz, earth.vz * factor, 1e-9 * std::abs(sun.vz));
}

// Generate ends for every element, also where Kepler's iteration cycles; on an ellipse it stays within the apoapsis.
TEST(GenerateVectors, EndsForHostileElements) {
    for (const double e : {0.9, 0.999999, 1.0, 5.0, 1e200, -3.0}) {
        for (const double m : {333.6, 0.0, 180.0, 1e300, -1e300}) {
            const StateVector s = generateVectors({42164, e, 23.45, 0, 180, m}, kPi, 1.0);
            EXPECT_TRUE(std::abs(e) >= 1.0 || std::hypot(s.x, s.y, s.z) <= 42164e3 * (1.0 + e) * (1.0 + 1e-12)) << e << ' ' << m;
        }
    }
}

TEST(GenerateVectors, ZeroSemiMajorAxisGivesAllZeros) {
    OrbitalElements elements = workedExample();
    elements.semiMajorAxis = 0;
    const StateVector s = generateVectors(elements, kPi, 1.0);
    for (const double component : {s.x, s.y, s.z, s.vx, s.vy, s.vz}) EXPECT_EQ(component, 0.0);
}

TEST(GenerateVectors, NegativeSemiMajorAxisKeepsThePositionAndZeroesTheVelocity) {
    OrbitalElements elements = workedExample();
    elements.semiMajorAxis = -7000;
    const StateVector s = generateVectors(elements, kPi, 1.0);
    EXPECT_NEAR(s.x, 5678059.361, 5e-4);
    EXPECT_NE(s.z, 0.0);
    for (const double component : {s.vx, s.vy, s.vz}) EXPECT_EQ(component, 0.0);
}

// The plain iteration with a step cap: the reference the bounded solver must agree with.
struct PlainIteration {
    double anomaly;
    bool converged;
};

PlainIteration plainIteration(double e, double m) {
    double anomaly = e / 2.0 + m;
    double step = 10000.0;
    for (int count = 0; count < kKeplerStepLimit; ++count) {
        if (!(step > 0.000001)) return {anomaly, true};
        const double next = anomaly - ((anomaly - e * std::sin(anomaly)) - m) / (1.0 - e * std::cos(anomaly));
        step = std::abs(next - anomaly);
        anomaly = next;
    }
    return {anomaly, !(step > 0.000001)};
}

double keplerResidual(double e, double m, double anomaly) {
    return std::remainder(anomaly - e * std::sin(anomaly) - m, 2.0 * kPi);
}

TEST(SolveKepler, AgreesWithThePlainIterationOrSolvesTheEquation) {
    int cycling = 0;
    for (double e = -0.95; e <= 3.0; e += 0.01) {
        for (double degrees = -720.0; degrees <= 720.0; degrees += 0.5) {
            const double m = degrees / 180.0 * kPi;
            const PlainIteration plain = plainIteration(e, m);
            const double solved = solveKepler(e, m);
            if (plain.converged || std::abs(e) >= 1.0) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(solved), std::bit_cast<std::uint64_t>(plain.anomaly))
                    << "e=" << e << " M=" << degrees;
            } else {
                ++cycling;
                ASSERT_LE(std::abs(keplerResidual(e, m, solved)), 1e-12) << "e=" << e << " M=" << degrees;
            }
        }
    }
    EXPECT_GT(cycling, 0) << "the sweep should include inputs on which Newton cycles";
}

TEST(SolveKepler, SolvesTheKnownCyclingCase) {
    const double m = 333.6 / 180.0 * kPi;
    ASSERT_FALSE(plainIteration(0.9, m).converged);
    EXPECT_LE(std::abs(keplerResidual(0.9, m, solveKepler(0.9, m))), 1e-12);
}

TEST(SolveKepler, EndsForNonFiniteInput) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(solveKepler(0.5, inf)));
    EXPECT_TRUE(std::isnan(solveKepler(inf, 1.0)));
}

}  // namespace
}  // namespace skyanchor
