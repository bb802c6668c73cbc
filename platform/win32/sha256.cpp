#include <windows.h>
// wincrypt.h needs windows.h first.
#include <wincrypt.h>

#include <new>

#include "platform/sha256.h"

// The CryptoAPI of advapi32, which every Windows loads: no library has to be
// found at run time.
namespace platform {

struct Sha256 {
  HCRYPTPROV provider;
  HCRYPTHASH hash;
};

Sha256* startSha256() {
  HCRYPTPROV provider = 0;
  if (!CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
    return nullptr;
  HCRYPTHASH hash = 0;
  auto* state = new (std::nothrow) Sha256{provider, 0};
  if (state == nullptr || !CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash)) {
    delete state;
    CryptReleaseContext(provider, 0);
    return nullptr;
  }
  state->hash = hash;
  return state;
}

bool addToSha256(Sha256* hash, const void* data, size_t length) {
  return CryptHashData(hash->hash, static_cast<const BYTE*>(data), static_cast<DWORD>(length), 0) !=
         0;
}

bool finishSha256(Sha256* hash, uint8_t digest[kSha256Bytes]) {
  DWORD length = kSha256Bytes;
  return CryptGetHashParam(hash->hash, HP_HASHVAL, digest, &length, 0) != 0 &&
         length == kSha256Bytes;
}

void releaseSha256(Sha256* hash) {
  if (hash == nullptr) return;
  CryptDestroyHash(hash->hash);
  CryptReleaseContext(hash->provider, 0);
  delete hash;
}

}  // namespace platform
