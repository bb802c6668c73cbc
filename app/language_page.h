#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "app/language_tables.h"

struct FrameBuffer;
struct WizardControl;

// Puts one button per offered language, in LanguageId order, into the slots
// from 1 on: stacked one font line apart and centred in the frame below a
// heading `headingHeight` tall. Returns how many buttons it made.
int buildLanguageButtons(const FrameBuffer& frame, std::span<WizardControl*> slots,
                         int16_t headingHeight, const std::array<bool, kLanguageCount>& offered);
