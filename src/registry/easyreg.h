#pragma once

#include "registry/registrystore.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace tincta {

// Reads and writes registry values by name, with a default hive and key path so that callers
// normally name only the value. Text is UTF-8; binary data travels as one char per byte.
// No member ever throws or reports anything but its result.
class EasyReg {
public:
    // Over the platform's store.
    EasyReg();
    // Over the given store (tests, or a store in a chosen file).
    explicit EasyReg(std::unique_ptr<RegistryStore> store);
    ~EasyReg();
    EasyReg(const EasyReg&) = delete;
    EasyReg& operator=(const EasyReg&) = delete;

    void DefaultHive(std::int32_t MyHive);
    std::int32_t DefaultHive() const;
    void DefaultSubKey(const std::string& strMySubKey);
    std::string DefaultSubKey() const;

    bool SetBinary(const std::string& strName, const std::string& strValue, std::int32_t MyHive = 0,
                   const std::string& strSubKey = {});
    bool SetDWord(const std::string& strName, std::int32_t lngValue, std::int32_t MyHive = 0,
                  const std::string& strSubKey = {});
    bool SetString(const std::string& strName, const std::string& strValue, std::int32_t MyHive = 0,
                   const std::string& strSubKey = {});
    // `strValue` already holds every NUL separator and the terminators.
    bool SetMultiString(const std::string& strName, const std::string& strValue,
                        std::int32_t MyHive = 0, const std::string& strSubKey = {});
    bool SetExpandableString(const std::string& strName, const std::string& strValue,
                             std::int32_t MyHive = 0, const std::string& strSubKey = {});
    bool DeleteValue(const std::string& strName, std::int32_t MyHive = 0,
                     const std::string& strSubKey = {});
    bool DeleteKey(std::int32_t MyHive = 0, const std::string& strSubKey = {});
    bool ExistingValue(const std::string& strName, std::int32_t MyHive = 0,
                       const std::string& strSubKey = {});
    bool ExistingKey(std::int32_t CurrentHive = 0, const std::string& strSubKey = {});
    // "STRING", "EXPANDABLE STRING", "BINARY", "DWORD", "MULTIPLE STRING" or "UNKNOWN";
    // empty when the key or the value is missing.
    std::string GetValueType(const std::string& strName, std::int32_t MyHive = 0,
                             const std::string& strSubKey = {});
    // The value as text, or `strDefaultValue` when it is missing, empty or of a type without a
    // text form. `blnSuccess` tells whether the value existed and was read.
    std::string GetValue(const std::string& strName, bool& blnSuccess,
                         const std::string& strDefaultValue = {}, std::int32_t MyHive = 0,
                         const std::string& strSubKey = {});
    // `strSubKey` is the parent and is used as given, even when empty (the hive itself).
    bool CreateKey(const std::string& strNewKey, std::int32_t TheHive = 0,
                   const std::string& strSubKey = {});

    // The calls that follow wait for a store another program holds until `waitDeadline` at the
    // latest, then fail at once; endBatch() tells what they met besides their results.
    void beginBatch(std::chrono::steady_clock::time_point waitDeadline);
    StoreReport endBatch();

private:
    static std::string trimKeyPath(const std::string& keyPath);
    void createKeyPath(std::int32_t hive, const std::string& keyPath);
    bool writeValue(std::int32_t hive, const std::string& keyPath, const std::string& valueName,
                    std::uint32_t type, const std::string& data, std::size_t length);

    std::int32_t resolveHive(std::int32_t hive) const;
    std::string resolvePath(const std::string& keyPath) const;
    bool setValue(const std::string& strName, std::uint32_t type, const std::string& data,
                  std::int32_t MyHive, const std::string& strSubKey);

    std::unique_ptr<RegistryStore> m_store;
    std::int32_t m_defaultHive = 0;
    std::string m_defaultSubKey;
};

} // namespace tincta
