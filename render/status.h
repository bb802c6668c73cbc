#pragma once

// The one table of results shared by the frame, the display, fonts and
// pictures. Operations return these as plain ints.
enum RenderStatus : int {
  kStatusOk = 0,
  kStatusWindowNotCreated = 1,
  kStatusFrameNotAllocated = 2,
  kStatusFrameNotOpen = 3,
  kStatusNoMask = 4,
  kStatusCircleNotSquare = 5,
  kStatusFontTableNotAllocated = 6,
  kStatusFileNotOpened = 7,
  kStatusFontNotAllocated = 8,
  kStatusReadFailed = 9,
  kStatusWriteFailed = 10,
  kStatusGlyphNotAllocated = 11,
  kStatusNoText = 12,
  kStatusFontNotLoaded = 13,
  kStatusPictureNotAllocated = 14,
  kStatusPictureEmpty = 15,
  kStatusPictureUnsupported = 16,
};
