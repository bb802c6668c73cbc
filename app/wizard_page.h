#pragma once

#include <cstdint>

// The wizard's pages, the values of TX3INST::page.
enum WizardPage : int16_t {
  PAGE_LANGUAGE = 0,
  PAGE_NOT_FOUND = 1,
  PAGE_VERSIONS = 2,
  PAGE_INSTALLING = 3,
  PAGE_COMPLETED = 4,
  PAGE_SOURCE_ERROR = 5,
  PAGE_INSTALLATION_CORRUPT = 6,  // laid out, but nothing leads to it
  PAGE_QUICKSTART = 7,
  PAGE_LOCATION = 8,
  PAGE_WRITE_ERROR = 9,
  PAGE_NOT_COMPATIBLE = 10,  // laid out, but nothing leads to it
};

inline constexpr int16_t kPageCount = 11;

// The slot of the button that Enter presses when nothing has the focus: the
// right-hand button of the panel, or "Yes" on the quick-start question. -1
// where Enter presses nothing: the language and installing pages have no
// such button, and Enter leaves the incompatibility notice alone.
int defaultButtonSlot(int16_t page);
