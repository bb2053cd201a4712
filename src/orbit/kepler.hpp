#pragma once

#include "orbit/state.hpp"

namespace skyanchor {

// Newton's bound on Kepler's equation. Past it the plain iteration is taken to be cycling.
inline constexpr int kKeplerStepLimit = 200;

// Eccentric anomaly E (radians) with E - e sin E = M, by Newton's iteration from E = e/2 + M.
// Never loops for ever: when the step bound is reached with |e| < 1, the root is bracketed and
// found by bisection; for e >= 1 or non-finite input the last iterate is returned.
[[nodiscard]] double solveKepler(double eccentricity, double meanAnomaly);

// The classic elliptic transformation of six elements (angles in degrees) to a state vector in
// metres and metres per second. Never fails: a step that cannot be done keeps its zero.
[[nodiscard]] StateVector generateVectors(const OrbitalElements& elements, double pi, double massFactor);

}  // namespace skyanchor
