#pragma once

namespace quillan::calendar {

// ΔT = TT − UT in seconds for a decimal year (2013.5 is mid-2013).
// - up to 2005: the polynomials Espenak & Meeus fitted to the observed values;
// - 2005–2024: the observed yearly values (IERS), interpolated;
// - after 2024: a forecast. ΔT has hardly moved since 2019, and the IERS predictions hold it
//   near 69 s for the next decade; in the long run it follows the parabola of Morrison &
//   Stephenson (−20 + 32u², u = (year − 1820)/100). We start flat from the last observed value
//   and rise quadratically to meet the parabola in 2150. Nobody can forecast ΔT to better than
//   tens of seconds by 2100, so the few new moons and terms within a minute of midnight after
//   2050 are a matter of forecast, not of calculation.
double deltaTSeconds(double decimalYear);

}  // namespace quillan::calendar
