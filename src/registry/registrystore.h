#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tincta {

// Predefined root keys, as the registry hands them out.
inline constexpr std::int32_t HKEY_CLASSES_ROOT = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t HKEY_CURRENT_USER = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t HKEY_LOCAL_MACHINE = static_cast<std::int32_t>(0x80000002u);
inline constexpr std::int32_t HKEY_USERS = static_cast<std::int32_t>(0x80000003u);
inline constexpr std::int32_t HKEY_PERFORMANCE_DATA = static_cast<std::int32_t>(0x80000004u);
inline constexpr std::int32_t HKEY_CURRENT_CONFIG = static_cast<std::int32_t>(0x80000005u);
inline constexpr std::int32_t HKEY_DYN_DATA = static_cast<std::int32_t>(0x80000006u);

// Registry value type codes.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t REG_MULTI_SZ = 7;
inline constexpr std::uint32_t REG_QWORD = 11;

inline constexpr char keySeparator = '\\';

inline constexpr std::array<std::int32_t, 7> knownHives = {
    HKEY_CLASSES_ROOT,     HKEY_CURRENT_USER,   HKEY_LOCAL_MACHINE, HKEY_USERS,
    HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA};

inline bool isKnownHive(std::int32_t hive) {
    for (const auto known : knownHives)
        if (known == hive)
            return true;
    return false;
}

// A path the registry could hold: no empty component.
inline bool isValidKeyPath(const std::string& path) {
    if (path.empty())
        return true;
    if (path.front() == keySeparator || path.back() == keySeparator)
        return false;
    return path.find("\\\\") == std::string::npos;
}

struct StoredValue {
    std::uint32_t type = REG_NONE;
    std::string data; // raw bytes as stored
};

// What the calls of a batch met besides their results.
struct StoreReport {
    // A call could not use the store at all: held by another program past the wait limit,
    // read-only, or out of reach. A missing key or value is no such failure.
    bool unusable = false;
    // Where a damaged store was kept when a fresh one took its place; empty when none was.
    std::string damagedStoreKeptAs;
};

// Where EasyReg keeps its keys and values. Paths are relative to the hive, components joined by
// a backslash, and arrive already trimmed; an empty path names the hive itself. Key and value
// names compare without regard to case. Implementations never throw: every failure is a false
// result or an empty optional, and no key is held open between calls.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool keyExists(std::int32_t hive, const std::string& keyPath) = 0;
    // Creates `newKey` (which may span several levels) below the existing `parentPath`;
    // true when the key exists afterwards.
    virtual bool createKey(std::int32_t hive, const std::string& parentPath,
                           const std::string& newKey) = 0;
    // Removes a key without subkeys, together with its values.
    virtual bool deleteKey(std::int32_t hive, const std::string& keyPath) = 0;

    // Stores a value in an existing key.
    virtual bool setValue(std::int32_t hive, const std::string& keyPath,
                          const std::string& valueName, std::uint32_t type,
                          const std::string& data) = 0;
    // The value, or nothing when the key or the value is missing or cannot be read.
    virtual std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& keyPath,
                                                  const std::string& valueName) = 0;
    virtual bool deleteValue(std::int32_t hive, const std::string& keyPath,
                             const std::string& valueName) = 0;

    // Starts a batch of calls that wait for a store another program holds until `waitDeadline`
    // at the latest; past it they fail at once. A store that never waits ignores the deadline.
    virtual void beginBatch(std::chrono::steady_clock::time_point waitDeadline) = 0;
    // Ends the batch; calls after it wait as long as the store itself allows.
    virtual StoreReport endBatch() = 0;
};

} // namespace tincta
