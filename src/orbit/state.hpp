#pragma once

namespace skyanchor {

// Keplerian elements as the element fields hold them: a in kilometres, angles in degrees.
struct OrbitalElements {
    double semiMajorAxis = 0.0;
    double eccentricity = 0.0;
    double inclination = 0.0;
    double argumentOfPeriapsis = 0.0;
    double ascendingNode = 0.0;
    double meanAnomaly = 0.0;
};

// Position in metres and velocity in metres per second, in the right-handed frame of the elements.
struct StateVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double vx = 0.0;
    double vy = 0.0;
    double vz = 0.0;
};

}  // namespace skyanchor
