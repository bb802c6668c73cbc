#include "platform/display_fonts.h"

#include "render/status.h"

// The fonts join here once the renderer's font module exists.
int loadDisplayFonts(QVIO&, const DRIVE_PATH&) {
  return kStatusOk;
}

void releaseDisplayFonts() {}
