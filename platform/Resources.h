#pragma once

#include <QString>

#include "platform/Picture.h"

// The bundle pictures and the page template in the resource folder. A
// picture that loads is kept for the whole run (every caller gets the same
// object); one that is missing is looked for again at every later call. The
// page template is tried once per run.
PicturePtr m1();           // "m1.bmp": the gloss mask of the drawn buttons
PicturePtr rot();          // "rot.bmp": the red dot; white is drawn transparent
PicturePtr Bild3();        // "Bild 3.png": the logo
PicturePtr Bild2();        // "Bild 2.png": the start picture
PicturePtr help();         // "help.jpg": the help text as one picture
QString Kameraseite();     // "Kameraseite.html": the web page template
PicturePtr programIcon();  // "vidolin.png": the square icon the desktop shows

namespace Resources {
// Forgets every cached picture and the template (tests only).
void resetForTesting();
}  // namespace Resources
