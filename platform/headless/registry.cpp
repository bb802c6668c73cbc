#include "platform/headless/registry.h"

#include <cstring>
#include <map>
#include <utility>

#include "platform/headless/disk_events.h"
#include "platform/registry.h"

namespace {

using ValueKey = std::pair<std::string, std::string>;
std::map<ValueKey, std::string> values;
bool writable = true;

}  // namespace

namespace headless {

void setRegistryValue(const std::string& keyPath, const std::string& name,
                      const std::string& bytes) {
  values[{keyPath, name}] = bytes;
}

std::optional<std::string> registryValue(const std::string& keyPath, const std::string& name) {
  const auto found = values.find({keyPath, name});
  if (found == values.end()) return std::nullopt;
  return found->second;
}

void removeRegistryValue(const std::string& keyPath, const std::string& name) {
  values.erase({keyPath, name});
}

void clearRegistry() {
  values.clear();
  writable = true;
}

void setRegistryWritable(bool canWrite) {
  writable = canWrite;
}

}  // namespace headless

namespace platform {

bool readRegistryValue(const char* keyPath, const char* name, char* buffer, uint32_t& length) {
  const auto found = values.find({keyPath, name});
  if (found == values.end() || found->second.size() > length) return false;
  std::memcpy(buffer, found->second.data(), found->second.size());
  length = static_cast<uint32_t>(found->second.size());
  return true;
}

bool writeRegistryString(const char* keyPath, const char* name, const char* text) {
  if (headless::operationFails(headless::FileOperation::registryWrite, name) || !writable)
    return false;
  values[{keyPath, name}] = std::string(text, std::strlen(text) + 1);
  return true;
}

}  // namespace platform
