#pragma once

#include <optional>
#include <string>

// The in-memory registry that stands in for the machine's settings store.
namespace headless {

// Values are stored as raw bytes, so a test can store a string without its
// terminating zero.
void setRegistryValue(const std::string& keyPath, const std::string& name,
                      const std::string& bytes);
std::optional<std::string> registryValue(const std::string& keyPath, const std::string& name);
void removeRegistryValue(const std::string& keyPath, const std::string& name);
void clearRegistry();

// A user who may read the settings but not change them.
void setRegistryWritable(bool writable);

}  // namespace headless
