#pragma once

class TX3INST;

// Tell screen readers what changed on the page: a new page (and where its
// focus starts), the focus moved by a key, the progress bar grown.
void announceNewPage(const TX3INST& wizard);
void announceFocus(const TX3INST& wizard);
void announceProgress(const TX3INST& wizard);
