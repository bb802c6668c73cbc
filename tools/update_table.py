"""The entries of update.dat in table order, as the installer knows them: the
readme's slot holds no body."""

ENTRIES = [
    "tx3.exe", "euro.cfg", "events_eng.cfg", "events_fra.cfg", "events_ita.cfg",
    "events_por.cfg", "pics.cfg", "player_setup.cfg", "weather.cfg", "city.dat",
    "club.dat", "club_comp.dat", "club_comp_history.dat", "colour.dat",
    "common_names.dat", "continent.dat", "first_names.dat", "index.dat",
    "nat_club.dat", "nation.dat", "nation_comp.dat", "nation_comp_history.dat",
    "officials.dat", "second_names.dat", "stadium.dat", "staff.dat",
    "staff_comp.dat", "staff_comp_history.dat", "staff_history.dat", "eng.lng",
    "fra.lng", "ita.lng", "por.lng", "language.ldb", "readme.txt", "changes.txt",
]
README = ENTRIES.index("readme.txt")
