#include <openssl/evp.h>

#include "platform/sha256.h"

// The native build takes the system's libcrypto.
namespace platform {

struct Sha256 {
  EVP_MD_CTX* context;
};

Sha256* startSha256() {
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  if (context == nullptr || EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1) {
    EVP_MD_CTX_free(context);
    return nullptr;
  }
  return new Sha256{context};
}

bool addToSha256(Sha256* hash, const void* data, size_t length) {
  return EVP_DigestUpdate(hash->context, data, length) == 1;
}

bool finishSha256(Sha256* hash, uint8_t digest[kSha256Bytes]) {
  unsigned int length = 0;
  return EVP_DigestFinal_ex(hash->context, digest, &length) == 1 && length == kSha256Bytes;
}

void releaseSha256(Sha256* hash) {
  if (hash == nullptr) return;
  EVP_MD_CTX_free(hash->context);
  delete hash;
}

}  // namespace platform
