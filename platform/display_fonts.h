#pragma once

class DRIVE_PATH;
class QVIO;

// The seven fonts of the display: created with the font table at the first
// opening, kept while the display is reopened, released at closing.

// 0, or the status of the table's allocation or of the first font that failed
// to load; the fonts loaded before a failure stay loaded.
int loadDisplayFonts(QVIO& screen, const DRIVE_PATH& directory);
void releaseDisplayFonts();
