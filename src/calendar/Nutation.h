#pragma once

namespace quillan::calendar {

// Nutation in longitude Δψ in arc-seconds, T in Julian centuries of TT from J2000.0. The IAU 1980
// theory with its terms down to 0.0011"; the rest add up to a few thousandths of an arc-second.
double nutationInLongitude(double T);

}  // namespace quillan::calendar
