#include "calendar/SolarLongitude.h"

#include <cmath>
#include <numbers>

#include "calendar/EarthOrbit.h"
#include "calendar/JulianDay.h"
#include "calendar/Nutation.h"

namespace quillan::calendar {

double apparentSolarLongitude(double jde) {
  const double T = (jde - kJ2000) / 36525.0;
  const EarthPosition earth = earthPosition(T / 10.0);
  const double geometric = earth.longitude * 180.0 / std::numbers::pi + 180.0;
  // FK5 frame correction (the latitude part is negligible for the Sun) and annual aberration.
  const double arcSeconds = -0.09033 + nutationInLongitude(T) - 20.4898 / earth.radius;
  const double longitude = std::fmod(geometric + arcSeconds / 3600.0, 360.0);
  return longitude < 0.0 ? longitude + 360.0 : longitude;
}

}  // namespace quillan::calendar
