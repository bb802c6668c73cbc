#pragma once

// Builds update.dat in the current folder from the loose files named in the
// archive table. An existing update.dat is replaced only by a complete new one.
bool packUpdateArchive();
