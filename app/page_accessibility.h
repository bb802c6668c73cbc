#pragma once

class TX3INST;

// Tell screen readers what changed on the page: a new page (and where its
// focus starts), the focus moved by a key, the value of the progress bar or
// of the entry box.
void announceNewPage(const TX3INST& wizard);
void announceFocus(const TX3INST& wizard);
void announceValueChange(const TX3INST& wizard);
