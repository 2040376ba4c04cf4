#pragma once

namespace quillan::calendar {

// The Sun's apparent geocentric ecliptic longitude in degrees, 0 ≤ λ < 360, at a JDE: the
// Earth's position turned round, moved to the FK5 frame, with nutation and aberration.
double apparentSolarLongitude(double jde);

}  // namespace quillan::calendar
