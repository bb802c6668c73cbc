#!/usr/bin/env bash
# tx3inst.exe -pack builds update.dat from the loose files of its folder,
# never opening its window, and says how it went in exactly one message box;
# with /silent in none, and by its exit code.
source "$(dirname "$0")/lib.sh"

folder=$E2E_WORK/update
python3 "$e2e_root/tools/make_demo_update.py" "$folder" --expect "$E2E_WORK/expected.dat"
echo "a readme that must stay out of the archive" >"$folder/readme.txt"

e2e_start "$folder" -pack
check "the success box is shown" e2e_answer_box Setup
check "packing gives exit code 0" e2e_exits 0
check "exactly one box, the success text" [ "$(e2e_boxes)" = "Packed files successfully !" ]
check "no window of class main" not e2e_created_main_window
check "update.dat is exact" cmp -s "$folder/update.dat" "$E2E_WORK/expected.dat"
echo "an older archive" >"$folder/update.dat"
e2e_start "$folder" -pack /silent
check "packing silently gives exit code 0" e2e_exits 0
check "no box when silent" [ -z "$(e2e_boxes)" ]
check "update.dat is packed anew" cmp -s "$folder/update.dat" "$E2E_WORK/expected.dat"

# A missing loose file: the old archive stays as it was.
rm "$folder/stadium.dat"
e2e_start "$folder" x-packed
check "the failure box is shown for a switch inside a word" e2e_answer_box Setup
check "exit code 0 after failing" e2e_exits 0
check "exactly one box, the failure text" [ "$(e2e_boxes)" = "Unable to pack files" ]
e2e_start "$folder" /SILENT x-packed
check "failing silently gives exit code 3" e2e_exits 3
check "no box after failing silently" [ -z "$(e2e_boxes)" ]
check "no window of class main after failing" not e2e_created_main_window
check "the old update.dat is unchanged" cmp -s "$folder/update.dat" "$E2E_WORK/expected.dat"
check "no partial archive is left" [ ! -e "$folder/update.dat.part" ]

# The switch is case-sensitive: -PACK starts the wizard, which Escape ends
# (or, without fonts in the folder, its error box).
e2e_start "$folder" -PACK
e2e_wait_window "Tarvex League 3 Update" 10 && sleep 0.5 && xdotool key Escape || e2e_answer_box Error
check "the wizard ends" e2e_wait_exit
check "-PACK does not pack" not grep -q "pack files" <(e2e_boxes)
e2e_finish
