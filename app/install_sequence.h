#pragma once

class TX3INST;

// One turn of the installing page: the source check, a slice of one entry
// of the update, or the commit. Moves the wizard to an error page on a
// failure.
void performInstallationStep(TX3INST& wizard);
