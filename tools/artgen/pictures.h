#pragma once

#include "raster.h"

#include <QImage>

#include <functional>

namespace artgen {

// Paints a picture into an image `scale` times its nominal size; the image
// starts fully transparent.
using Draw = std::function<void(QImage& img, double scale)>;

Draw fromSampler(Sampler sample);

Draw sunPicture();
Draw mercuryPicture();
Draw venusPicture();
Draw marsPicture();
Draw jupiterPicture();
Draw uranusPicture();
Draw neptunePicture();
Draw saturnPicture();
Draw moonDiscPicture();
Draw moonPhotoPicture();
Draw iconPicture();       // nominal 32x32; any scale redraws it crisply
Draw splashLogoPicture();

} // namespace artgen
