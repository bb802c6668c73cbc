#include "install/update_digests.h"

const uint8_t* expectedDigest(const UpdateDigests& digests, int index, int32_t language) {
  if (!digests.present) return nullptr;
  if (!isReadmeEntry(index)) return digests.bodies[index];
  if (language < 0 || language >= 7 || !digests.readmePresent[language]) return nullptr;
  return digests.readmes[language];
}
