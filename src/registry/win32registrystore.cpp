#include "registry/win32registrystore.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>
#include <climits>
#include <cstring>
#include <utility>

namespace tincta {

namespace {

// What EasyReg opens a key with for existence tests and reads: query, set, create subkey,
// enumerate, notify and create link.
constexpr REGSAM readAccess = 0x3F;
// A registry key name has at most 255 characters.
constexpr DWORD longestKeyName = 256;
// A value that grows between the size query and the read is read again, a few times at most.
constexpr int readAttempts = 4;

HKEY rootKey(std::int32_t hive) {
    // The predefined keys are 32-bit values sign-extended to a handle.
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(hive));
}

// Closes the key it holds, whichever way the operation ends.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return m_key; }
    HKEY* receive() { return &m_key; }

private:
    HKEY m_key = nullptr;
};

std::optional<std::wstring> utf16(const std::string& text) {
    if (text.empty())
        return std::wstring();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, result.data(), length);
    return result;
}

// Characters that are no UTF-16 (another program wrote them) come back as U+FFFD.
std::string utf8(const std::wstring& text) {
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

bool holdsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The bytes the registry keeps for the data EasyReg hands over.
std::optional<std::string> registryBytes(DWORD type, const std::string& data) {
    if (!holdsText(type))
        return data;
    const auto text = utf16(data);
    if (!text)
        return std::nullopt;
    std::string bytes(text->size() * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), text->data(), bytes.size());
    return bytes;
}

// The data EasyReg reads for the bytes the registry keeps; an odd last byte of a string is
// half a character and is dropped.
std::string storedData(DWORD type, const std::string& bytes) {
    if (!holdsText(type))
        return bytes;
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return utf8(text);
}

bool meansUnusable(LONG status) {
    static constexpr std::array<LONG, 10> unusable = {
        ERROR_ACCESS_DENIED,      ERROR_SHARING_VIOLATION,  ERROR_LOCK_VIOLATION,
        ERROR_WRITE_PROTECT,      ERROR_CANTOPEN,           ERROR_CANTREAD,
        ERROR_CANTWRITE,          ERROR_REGISTRY_IO_FAILED, ERROR_REGISTRY_CORRUPT,
        ERROR_NO_SYSTEM_RESOURCES};
    for (const auto code : unusable)
        if (status == code)
            return true;
    return false;
}

LONG openKey(std::int32_t hive, const std::string& path, REGSAM access, OpenKey& key) {
    // Anything but a predefined key would be taken for some handle of this process.
    if (!isKnownHive(hive))
        return ERROR_INVALID_HANDLE;
    if (!isValidKeyPath(path))
        return ERROR_BAD_PATHNAME;
    const auto widePath = utf16(path);
    if (!widePath)
        return ERROR_NO_UNICODE_TRANSLATION;
    return RegOpenKeyExW(rootKey(hive), widePath->c_str(), 0, access, key.receive());
}

// ERROR_SUCCESS when the key has at least one subkey.
LONG findSubkey(HKEY key) {
    std::array<wchar_t, longestKeyName> name{};
    DWORD length = longestKeyName;
    return RegEnumKeyExW(key, 0, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

bool Win32RegistryStore::succeeded(long status) {
    if (status == ERROR_SUCCESS)
        return true;
    if (meansUnusable(status))
        m_report.unusable = true;
    return false;
}

bool Win32RegistryStore::keyExists(std::int32_t hive, const std::string& keyPath) {
    OpenKey key;
    return succeeded(openKey(hive, keyPath, readAccess, key));
}

bool Win32RegistryStore::createKey(std::int32_t hive, const std::string& parentPath,
                                   const std::string& newKey) {
    OpenKey parent;
    if (!succeeded(openKey(hive, parentPath, KEY_CREATE_SUB_KEY, parent)))
        return false;
    const auto wideKey = utf16(newKey);
    if (!isValidKeyPath(newKey) || !wideKey)
        return false;
    OpenKey created;
    return succeeded(RegCreateKeyExW(parent.get(), wideKey->c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, readAccess, nullptr,
                                     created.receive(), nullptr));
}

bool Win32RegistryStore::deleteKey(std::int32_t hive, const std::string& keyPath) {
    if (keyPath.empty())
        return false;
    {
        // The registry refuses a key with subkeys as it refuses one it may not touch; only
        // the second means the registry cannot be used.
        OpenKey key;
        if (!succeeded(openKey(hive, keyPath, KEY_ENUMERATE_SUB_KEYS, key)))
            return false;
        const LONG found = findSubkey(key.get());
        if (found == ERROR_SUCCESS)
            return false;
        if (found != ERROR_NO_MORE_ITEMS)
            return succeeded(found);
    }
    const auto widePath = utf16(keyPath);
    return widePath && succeeded(RegDeleteKeyW(rootKey(hive), widePath->c_str()));
}

bool Win32RegistryStore::setValue(std::int32_t hive, const std::string& keyPath,
                                  const std::string& valueName, std::uint32_t type,
                                  const std::string& data) {
    OpenKey key;
    if (!succeeded(openKey(hive, keyPath, KEY_SET_VALUE, key)))
        return false;
    const auto wideName = utf16(valueName);
    const auto bytes = registryBytes(type, data);
    if (!wideName || !bytes || bytes->size() > MAXDWORD)
        return false;
    return succeeded(RegSetValueExW(key.get(), wideName->c_str(), 0, type,
                                    reinterpret_cast<const BYTE*>(bytes->data()),
                                    static_cast<DWORD>(bytes->size())));
}

std::optional<StoredValue> Win32RegistryStore::queryValue(std::int32_t hive,
                                                          const std::string& keyPath,
                                                          const std::string& valueName) {
    OpenKey key;
    if (!succeeded(openKey(hive, keyPath, readAccess, key)))
        return std::nullopt;
    const auto wideName = utf16(valueName);
    if (!wideName)
        return std::nullopt;
    for (int attempt = 0; attempt < readAttempts; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (!succeeded(
                RegQueryValueExW(key.get(), wideName->c_str(), nullptr, &type, nullptr, &size)))
            return std::nullopt;
        std::string bytes(size, '\0');
        const LONG status = RegQueryValueExW(key.get(), wideName->c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (status == ERROR_MORE_DATA)
            continue;
        if (!succeeded(status))
            return std::nullopt;
        bytes.resize(size);
        return StoredValue{type, storedData(type, bytes)};
    }
    return std::nullopt;
}

bool Win32RegistryStore::deleteValue(std::int32_t hive, const std::string& keyPath,
                                     const std::string& valueName) {
    OpenKey key;
    if (!succeeded(openKey(hive, keyPath, KEY_SET_VALUE, key)))
        return false;
    const auto wideName = utf16(valueName);
    return wideName && succeeded(RegDeleteValueW(key.get(), wideName->c_str()));
}

void Win32RegistryStore::beginBatch(std::chrono::steady_clock::time_point) {
    m_report = {};
}

StoreReport Win32RegistryStore::endBatch() {
    return std::exchange(m_report, {});
}

} // namespace tincta
