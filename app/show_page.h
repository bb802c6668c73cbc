#pragma once

#include <cstdint>

#include "app/tx3inst.h"

// Every change of page is drawn at once.
inline void showPage(TX3INST& wizard, int16_t page) {
  wizard.page = page;
  wizard.Redraw();
}
