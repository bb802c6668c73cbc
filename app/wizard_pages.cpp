#include "app/tx3inst.h"

bool TX3INST::Redraw() {
  return true;
}
