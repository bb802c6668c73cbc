#!/usr/bin/env bash
# What scripts/release makes of the demo update, signed with a throwaway key:
# the signature holds and breaks with one byte changed; the installer
# installs the update, and refuses an update.dat with one byte changed before
# anything is replaced; built again elsewhere and later, it is the same file.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
OUT=$E2E_WORK/out PLAYER=$E2E_WORK/player
make_update
# A certificate authority of this test alone and a code-signing certificate it issued.
(cd "$E2E_WORK" && openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
  -subj /CN=TestCA -addext keyUsage=critical,keyCertSign &&
  openssl req -x509 -CA ca.pem -CAkey ca.key -newkey rsa:2048 -nodes -keyout signer.key -out signer.pem \
    -days 2 -subj /CN=Signer -addext basicConstraints=CA:FALSE -addext extendedKeyUsage=codeSigning &&
  openssl pkcs12 -export -inkey signer.key -in signer.pem -out signer.pfx -passout pass:throwaway) \
  >/dev/null 2>&1 || { echo "cannot make a signing key" >&2; exit 1; }
export TX3_SIGN_PFX=$E2E_WORK/signer.pfx TX3_SIGN_PASSWORD=throwaway

# flip_byte FILE OFFSET: inverts one byte (an offset below 0 counts from the end).
flip_byte() {
  python3 -c 'import sys; p = sys.argv[1]; b = bytearray(open(p, "rb").read())
b[int(sys.argv[2])] ^= 0xFF; open(p, "wb").write(b)' "$@"
}
verified() { osslsigncode verify -CAfile "$E2E_WORK/ca.pem" -in "$1" >"$E2E_WORK/verify.log" 2>&1; }
sums_hold() { (cd "$OUT" && sha256sum --quiet -c SHA256SUMS); }
# released CODE: a player's download of the release, its installer run
# silently, ends with exit code CODE.
INSTALLER=$PLAYER/tx3inst.exe
released() {
  rm -rf "$PLAYER" && cp -r "$OUT" "$PLAYER" && e2e_start "$PLAYER" /silent /log=release.log &&
    e2e_exits "$1"
}

# The studio's folder holds the loose files, which the release packs, and the readmes.
studio=$E2E_WORK/studio
mkdir "$studio" && cp "$E2E_WORK"/bodies/* "$UPDATE"/readme_*.txt "$studio/"
check "scripts/release makes the release" "$e2e_root/scripts/release" "$studio" "$OUT"
check "it packed update.dat" cmp -s "$OUT/update.dat" "$UPDATE/update.dat"
check "SHA256SUMS holds, for the signed installer too" sums_hold
check "the installer's signature holds for the CA" verified "$OUT/tx3inst.exe"
cp "$OUT/tx3inst.exe" "$E2E_WORK/changed.exe" && flip_byte "$E2E_WORK/changed.exe" 5000
check "with one byte changed, it does not" not verified "$E2E_WORK/changed.exe"

make_old_game "$GAME_DIR"
check "the signed installer installs the update" released 0
check "the game is updated" updated
make_old_game "$GAME_DIR"
flip_byte "$OUT/update.dat" -1
check "with the last byte of update.dat changed: exit code 3" released 3
check "the game is as it was" as_before
expected=$(sha256sum <"$E2E_WORK/bodies/changes.txt" | cut -c1-64)
check "the log names the entry with the digest it has and the one expected" grep -qE \
  "entry changes.txt, file update.dat: SHA-256 [0-9a-f]{64}, expected $expected" "$PLAYER/release.log"
flip_byte "$OUT/update.dat" -1

check "built again in another folder, the installer is the same" \
  "$e2e_root/scripts/check-reproducible" "$OUT/tx3inst.exe" "$OUT"
e2e_finish
