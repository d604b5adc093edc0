#pragma once

#include "registry/registrystore.h"

#include <chrono>
#include <optional>
#include <string>

namespace tincta {

// The Windows registry itself. Names and string data are UTF-8 here and UTF-16 at the registry;
// other data passes as it is. The registry never makes a caller wait, so a batch's deadline is
// not needed; a call refused for want of access or sharing marks the batch unusable.
class Win32RegistryStore final : public RegistryStore {
public:
    bool keyExists(std::int32_t hive, const std::string& keyPath) override;
    bool createKey(std::int32_t hive, const std::string& parentPath,
                   const std::string& newKey) override;
    bool deleteKey(std::int32_t hive, const std::string& keyPath) override;
    bool setValue(std::int32_t hive, const std::string& keyPath, const std::string& valueName,
                  std::uint32_t type, const std::string& data) override;
    std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& keyPath,
                                          const std::string& valueName) override;
    bool deleteValue(std::int32_t hive, const std::string& keyPath,
                     const std::string& valueName) override;
    void beginBatch(std::chrono::steady_clock::time_point waitDeadline) override;
    StoreReport endBatch() override;

private:
    // False for anything but success; notes in the report a failure that means the registry
    // cannot be used, as against a missing key or value.
    bool succeeded(long status);

    StoreReport m_report;
};

} // namespace tincta
