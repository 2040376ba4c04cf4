#pragma once

namespace quillan::calendar {

// The Earth's heliocentric ecliptic longitude (radians, ecliptic and equinox of date) and its
// distance from the Sun (AU).
struct EarthPosition {
  double longitude = 0.0;
  double radius = 0.0;
};

// From the planetary theory VSOP87 (Bretagnon & Francou), version D, truncated to its larger
// periodic terms: about one arc-second, i.e. some 25 seconds in the time of a solar term.
// tau is Julian millennia of TT from J2000.0.
EarthPosition earthPosition(double tau);

}  // namespace quillan::calendar
