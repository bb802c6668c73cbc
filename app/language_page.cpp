#include "app/language_page.h"

#include "app/wizard_control.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/text.h"

int buildLanguageButtons(const FrameBuffer& frame, std::span<WizardControl*> slots,
                         int16_t headingHeight, const std::array<bool, kLanguageCount>& offered) {
  // The buttons are measured in the body font but drawn, like every control,
  // in the control font.
  int widest = 0;
  int count = 0;
  for (int language = 0; language < kLanguageCount; ++language) {
    if (!offered[static_cast<size_t>(language)]) continue;
    const int labelWidth = textWidth(frame, kFontBody, languageText(kInstallLabel, language));
    if (labelWidth > widest) widest = labelWidth;
    ++count;
  }
  const int16_t buttonWidth = static_cast<int16_t>(widest + 20);
  const int16_t left = static_cast<int16_t>((frame.width - buttonWidth) / 2);
  const int16_t row = static_cast<int16_t>(fontHeight(frame, kFontBody));
  const int16_t top =
      static_cast<int16_t>((frame.height - headingHeight - row * count) / 2 + headingHeight - 15);
  int k = 0;
  for (int language = 0; language < kLanguageCount; ++language) {
    if (!offered[static_cast<size_t>(language)]) continue;
    putControl(slots, k + 1,
               createControl(left, static_cast<int16_t>(top + row * k), buttonWidth,
                             static_cast<int16_t>(row - 2), languageText(kInstallLabel, language),
                             KIND_LANGUAGE, language, 0));
    ++k;
  }
  return count;
}
