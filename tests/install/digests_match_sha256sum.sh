#!/usr/bin/env bash
# The digests of a packed demo update, as a build made for it carries them,
# are the ones sha256sum computes for the loose files and the readme.
set -eu
tools=$1/tools
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
python3 "$tools/make_demo_update.py" "$folder" --expect "$folder/update.dat"
echo "readme eng" >"$folder/readme_eng.txt"
python3 "$tools/update_digests.py" "$folder/digests.cpp" --folder "$folder" --list "$folder/SHA256SUMS"
[ "$(wc -l <"$folder/SHA256SUMS")" = 36 ]
cd "$folder" && sha256sum --quiet -c SHA256SUMS
