#include "orbit/kepler.hpp"

#include "orbit/units.hpp"

#include <cmath>
#include <numbers>

namespace skyanchor {
namespace {

constexpr double kTolerance = 0.000001;
constexpr double kGravitationalParameterPerEarthMass = 398600.44;  // km^3/s^2

// For |e| < 1 the left side of Kepler's equation rises strictly, so [0, 2 pi] brackets the root
// of a mean anomaly reduced to one turn; bisection then converges whatever Newton did.
double bisectKepler(double e, double meanAnomaly) {
    constexpr double turn = 2.0 * std::numbers::pi;
    const double turns = std::floor(meanAnomaly / turn);
    const double reduced = meanAnomaly - turns * turn;
    double low = 0.0;
    double high = turn;
    for (;;) {
        const double mid = low + (high - low) / 2.0;
        if (mid <= low || mid >= high) break;
        if (mid - e * std::sin(mid) - reduced < 0.0) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return low + turns * turn;
}

}  // namespace

double solveKepler(double e, double meanAnomaly) {
    double anomaly = e / 2.0 + meanAnomaly;
    double step = 10000.0;
    for (int count = 0; step > kTolerance; ++count) {
        if (count == kKeplerStepLimit) {
            const bool bracketable = std::abs(e) < 1.0 && std::isfinite(meanAnomaly);
            return bracketable ? bisectKepler(e, meanAnomaly) : anomaly;
        }
        const double next = anomaly - ((anomaly - e * std::sin(anomaly)) - meanAnomaly) / (1.0 - e * std::cos(anomaly));
        step = std::abs(next - anomaly);
        anomaly = next;
    }
    return anomaly;
}

StateVector generateVectors(const OrbitalElements& elements, double pi, double massFactor) {
    const double a = elements.semiMajorAxis;
    const double e = elements.eccentricity;
    const double i = elements.inclination / kHalfTurn * pi;
    const double w = elements.argumentOfPeriapsis / kHalfTurn * pi;
    const double node = elements.ascendingNode / kHalfTurn * pi;
    const double m = elements.meanAnomaly / kHalfTurn * pi;

    const double anomaly = solveKepler(e, m);
    const double cE = std::cos(anomaly);
    const double sE = std::sin(anomaly);
    const double b = a * std::sqrt(std::abs(1.0 - e * e));
    const double xp = (cE - e) * a;
    const double yp = b * sE;

    // The velocity factor is the one step that can fail: mu / a divides by zero for a = 0 and
    // has no square root for a < 0. Either way it keeps its zero and the run goes on.
    const double mu = kGravitationalParameterPerEarthMass * massFactor;
    double k = 0.0;
    if (a != 0.0 && mu / a >= 0.0) k = std::sqrt(mu / a) / ((1.0 - e * cE) * a);
    const double vxp = -a * k * sE;
    const double vyp = b * k * cE;

    const double cw = std::cos(w);
    const double sw = std::sin(w);
    const double cn = std::cos(node);
    const double sn = std::sin(node);
    const double ci = std::cos(i);
    const double si = std::sin(i);
    const double t1 = sw * ci;
    const double t2 = cw * ci;
    const double p1 = cw * cn - sn * t1;
    const double p2 = cw * sn + cn * t1;
    const double p3 = sw * si;
    const double q1 = (-sw) * cn - sn * t2;
    const double q2 = (-sw) * sn + cn * t2;
    const double q3 = cw * si;

    return StateVector{
        .x = (xp * p1 + yp * q1) * kMetresPerKilometre,
        .y = (xp * p2 + yp * q2) * kMetresPerKilometre,
        .z = (xp * p3 + yp * q3) * kMetresPerKilometre,
        .vx = (vxp * p1 + vyp * q1) * kMetresPerKilometre,
        .vy = (vxp * p2 + vyp * q2) * kMetresPerKilometre,
        .vz = (vxp * p3 + vyp * q3) * kMetresPerKilometre,
    };
}

}  // namespace skyanchor
