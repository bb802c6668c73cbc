#pragma once

// Run first at every start: an update that a killed process or a power cut
// stopped is undone when it had not begun to put its files in place, and
// finished when it had. Tells the log what it found and did.
void recoverInterruptedUpdate();
