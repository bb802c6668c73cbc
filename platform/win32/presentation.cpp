#include <windows.h>

#include "platform/window.h"

namespace platform {

void presentImage(WindowHandle window, const Presentation& copy) {
  HWND target = static_cast<HWND>(window);
  HDC context = GetDC(target);
  if (context == nullptr) return;
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = copy.imageWidth;
  header.biHeight = -copy.imageHeight;  // top-down: the first row is the top row
  header.biPlanes = 1;
  header.biBitCount = 16;
  header.biCompression = BI_RGB;
  SetMapMode(context, MM_TEXT);
  SetStretchBltMode(context, COLORONCOLOR);
  // COLORONCOLOR drops or repeats whole pixels: a larger destination shows
  // each source pixel as a block of its colour.
  StretchDIBits(context, copy.destX, copy.destY, copy.destWidth, copy.destHeight, copy.sourceX,
                copy.sourceY, copy.width, copy.height, copy.pixels,
                reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS, SRCCOPY);
  ReleaseDC(target, context);
}

}  // namespace platform
