#pragma once

class TX3INST;

// One turn of the installing page: the source check, one entry of the
// update, or the finish. Moves the wizard to an error page on a failure.
void performInstallationStep(TX3INST& wizard);
