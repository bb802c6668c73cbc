#!/usr/bin/env bash
# tx3inst.exe -pack builds update.dat from the loose files of its folder and
# says so in exactly one message box, without opening its window.
source "$(dirname "$0")/lib.sh"

folder=$E2E_WORK/update
python3 "$e2e_root/tools/make_demo_update.py" "$folder" --expect "$E2E_WORK/expected.dat"
echo "a readme that must stay out of the archive" >"$folder/readme.txt"

e2e_start "$folder" -pack
check "the success box is shown" e2e_answer_box Setup
check "the installer ends" e2e_wait_exit
check "exit code 0" [ "$E2E_EXIT" = 0 ]
check "exactly one box, the success text" [ "$(e2e_boxes)" = "Packed files successfully !" ]
check "no window of class main" not e2e_created_main_window
check "update.dat is exact" cmp -s "$folder/update.dat" "$E2E_WORK/expected.dat"

# A missing loose file: the old archive stays as it was.
echo "an older archive" >"$folder/update.dat"
cp "$folder/update.dat" "$E2E_WORK/old.dat"
rm "$folder/stadium.dat"
e2e_start "$folder" x-packed
check "the failure box is shown for a switch inside a word" e2e_answer_box Setup
check "the installer ends after failing" e2e_wait_exit
check "exit code 0 after failing" [ "$E2E_EXIT" = 0 ]
check "exactly one box, the failure text" [ "$(e2e_boxes)" = "Unable to pack files" ]
check "the old update.dat is unchanged" cmp -s "$folder/update.dat" "$E2E_WORK/old.dat"
check "no partial archive is left" [ ! -e "$folder/update.dat.part" ]

# The switch is case-sensitive: -PACK starts the wizard, which Escape ends.
e2e_start "$folder" -PACK
if e2e_wait_window "Tarvex League 3 Update" 10; then
  sleep 0.5
  xdotool key Escape
else
  e2e_answer_box Error
fi
check "the wizard ends" e2e_wait_exit
check "-PACK does not pack" not e2e_boxes_mention "pack files"
e2e_finish
