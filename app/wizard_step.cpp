#include "app/tx3inst.h"
#include "render/frame_buffer.h"

bool TX3INST::Step() {
  if (!isFrameReady()) return false;
  return !quit;
}
