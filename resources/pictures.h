#pragma once

// Registers the compiled-in pictures (":/pictures/sun.png" and so on).
// Resources in a static library are only linked in when referenced, so the
// program and the GUI tests call this once before loading any picture.
void initPictures();
