#pragma once

#include <cstdint>

// The game's settings live under the local machine's
// "Software\Quorvane Studios Ltd\<product>" key.
inline constexpr const char* kCompanyName = "Quorvane Studios Ltd";
inline constexpr const char* kProductName = "Tarvex League 3";

// Reads string value `name` of the product's key into `buffer`. True only
// when the value was read and ends, with its terminating zero, within `room`
// bytes.
bool readSetting(const char* product, const char* name, char* buffer, uint32_t room);

// Stores `text` as string value `name`, creating the key when needed.
bool writeSetting(const char* product, const char* name, const char* text);
