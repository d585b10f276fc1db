#pragma once
// Altitude as a person sees it: the true altitude lifted by the atmosphere.
namespace zenlith::precise {

// Apparent altitude in degrees for a true (airless) altitude in degrees, for
// a standard atmosphere of 10 °C and 1010 hPa.
double refractedAltitude(double airlessAltitude);

}  // namespace zenlith::precise
