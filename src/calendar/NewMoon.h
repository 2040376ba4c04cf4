#pragma once

namespace quillan::calendar {

// The JDE of new moon number k (k = 0 is the new moon of 2000-01-06; k counts lunations, may be
// negative). The mean lunation with the periodic corrections of Meeus, Astronomical Algorithms
// (2nd ed., ch. 49): within some 20 seconds of the full lunar theory over our range.
double newMoonJde(int k);

// The number of the lunation whose new moon lies nearest to the JDE.
int lunationNear(double jde);

}  // namespace quillan::calendar
