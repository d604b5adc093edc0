#include "registry/easyreg.h"

#include "registry/platformstore.h"

#include <array>
#include <utility>

namespace tincta {

namespace {

constexpr char typeString[] = "STRING";
constexpr char typeExpandableString[] = "EXPANDABLE STRING";
constexpr char typeBinary[] = "BINARY";
constexpr char typeDWord[] = "DWORD";
constexpr char typeMultipleString[] = "MULTIPLE STRING";
constexpr char typeUnknown[] = "UNKNOWN";

constexpr char blank = ' ';
constexpr char nul = '\0';

// A key path that cannot be made to exist before a write.
struct UncreatableKeyPath {};
// A DWORD that has no four-byte form.
struct NegativeDWord {};

std::string dwordBytes(std::int32_t value) {
    if (value < 0)
        throw NegativeDWord{};
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<char>(value % 256));
        value /= 256;
    }
    return bytes;
}

std::string hexDump(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 0x0F]);
        text.push_back(blank);
    }
    return text;
}

// The registry hands strings back with a terminating NUL after the stored bytes.
std::string textBeforeNul(const std::string& data) {
    return data.substr(0, data.find(nul));
}

std::string multiStringText(std::string buffer) {
    buffer.push_back(nul);
    while (!buffer.empty() && buffer.back() != nul)
        buffer.pop_back();
    while (!buffer.empty() && buffer.back() == nul)
        buffer.pop_back();
    return buffer;
}

// Nothing when the data does not fit the four-byte buffer the value is read into.
std::optional<std::string> dwordText(const std::string& data) {
    if (data.size() > 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < data.size(); ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return std::to_string(static_cast<std::int32_t>(value));
}

} // namespace

EasyReg::EasyReg() : m_store(makePlatformRegistryStore()) {}

EasyReg::EasyReg(std::unique_ptr<RegistryStore> store) : m_store(std::move(store)) {}

EasyReg::~EasyReg() = default;

void EasyReg::DefaultHive(std::int32_t MyHive) {
    m_defaultHive = MyHive;
}

std::int32_t EasyReg::DefaultHive() const {
    return m_defaultHive;
}

void EasyReg::DefaultSubKey(const std::string& strMySubKey) {
    m_defaultSubKey = strMySubKey;
}

std::string EasyReg::DefaultSubKey() const {
    return m_defaultSubKey;
}

bool EasyReg::SetBinary(const std::string& strName, const std::string& strValue,
                        std::int32_t MyHive, const std::string& strSubKey) {
    return setValue(strName, REG_BINARY, strValue, MyHive, strSubKey);
}

bool EasyReg::SetDWord(const std::string& strName, std::int32_t lngValue, std::int32_t MyHive,
                       const std::string& strSubKey) {
    try {
        const auto hive = resolveHive(MyHive);
        const auto path = resolvePath(strSubKey);
        createKeyPath(hive, path);
        return writeValue(hive, path, strName, REG_DWORD, dwordBytes(lngValue), 4);
    } catch (...) {
        return false;
    }
}

bool EasyReg::SetString(const std::string& strName, const std::string& strValue,
                        std::int32_t MyHive, const std::string& strSubKey) {
    return setValue(strName, REG_SZ, strValue, MyHive, strSubKey);
}

bool EasyReg::SetMultiString(const std::string& strName, const std::string& strValue,
                             std::int32_t MyHive, const std::string& strSubKey) {
    return setValue(strName, REG_MULTI_SZ, strValue, MyHive, strSubKey);
}

bool EasyReg::SetExpandableString(const std::string& strName, const std::string& strValue,
                                  std::int32_t MyHive, const std::string& strSubKey) {
    return setValue(strName, REG_EXPAND_SZ, strValue, MyHive, strSubKey);
}

bool EasyReg::DeleteValue(const std::string& strName, std::int32_t MyHive,
                          const std::string& strSubKey) {
    try {
        return m_store->deleteValue(resolveHive(MyHive), resolvePath(strSubKey), strName);
    } catch (...) {
        return false;
    }
}

bool EasyReg::DeleteKey(std::int32_t MyHive, const std::string& strSubKey) {
    try {
        return m_store->deleteKey(resolveHive(MyHive), resolvePath(strSubKey));
    } catch (...) {
        return false;
    }
}

bool EasyReg::ExistingValue(const std::string& strName, std::int32_t MyHive,
                            const std::string& strSubKey) {
    try {
        return m_store->queryValue(resolveHive(MyHive), resolvePath(strSubKey), strName)
            .has_value();
    } catch (...) {
        return false;
    }
}

bool EasyReg::ExistingKey(std::int32_t CurrentHive, const std::string& strSubKey) {
    try {
        return m_store->keyExists(resolveHive(CurrentHive), resolvePath(strSubKey));
    } catch (...) {
        return false;
    }
}

std::string EasyReg::GetValueType(const std::string& strName, std::int32_t MyHive,
                                  const std::string& strSubKey) {
    try {
        const auto value =
            m_store->queryValue(resolveHive(MyHive), resolvePath(strSubKey), strName);
        if (!value)
            return {};
        switch (value->type) {
        case REG_SZ:
            return typeString;
        case REG_EXPAND_SZ:
            return typeExpandableString;
        case REG_BINARY:
            return typeBinary;
        case REG_DWORD:
            return typeDWord;
        case REG_MULTI_SZ:
            return typeMultipleString;
        default:
            return typeUnknown;
        }
    } catch (...) {
        return {};
    }
}

std::string EasyReg::GetValue(const std::string& strName, bool& blnSuccess,
                              const std::string& strDefaultValue, std::int32_t MyHive,
                              const std::string& strSubKey) {
    blnSuccess = false;
    try {
        const auto value =
            m_store->queryValue(resolveHive(MyHive), resolvePath(strSubKey), strName);
        if (!value)
            return strDefaultValue;
        std::string result;
        switch (value->type) {
        case REG_SZ:
        case REG_EXPAND_SZ:
            result = textBeforeNul(value->data);
            break;
        case REG_MULTI_SZ:
            result = multiStringText(value->data);
            break;
        case REG_BINARY:
            result = hexDump(value->data);
            break;
        case REG_DWORD: {
            auto text = dwordText(value->data);
            if (!text)
                return strDefaultValue;
            result = std::move(*text);
            break;
        }
        default:
            break;
        }
        if (result.empty())
            result = strDefaultValue;
        blnSuccess = true;
        return result;
    } catch (...) {
        blnSuccess = false;
        return strDefaultValue;
    }
}

bool EasyReg::CreateKey(const std::string& strNewKey, std::int32_t TheHive,
                        const std::string& strSubKey) {
    try {
        const auto parent = trimKeyPath(strSubKey);
        const auto newKey = trimKeyPath(strNewKey);
        const auto hive = resolveHive(TheHive);
        if (ExistingKey(hive, parent + keySeparator + newKey))
            return true;
        return m_store->createKey(hive, parent, newKey);
    } catch (...) {
        return false;
    }
}

void EasyReg::beginBatch(std::chrono::steady_clock::time_point waitDeadline) {
    m_store->beginBatch(waitDeadline);
}

StoreReport EasyReg::endBatch() {
    return m_store->endBatch();
}

std::string EasyReg::trimKeyPath(const std::string& keyPath) {
    const auto first = keyPath.find_first_not_of(blank);
    if (first == std::string::npos)
        return {};
    std::string path = keyPath.substr(first, keyPath.find_last_not_of(blank) - first + 1);
    while (!path.empty() && path.back() == keySeparator)
        path.pop_back();
    const auto start = path.find_first_not_of(keySeparator);
    return start == std::string::npos ? std::string() : path.substr(start);
}

void EasyReg::createKeyPath(std::int32_t hive, const std::string& keyPath) {
    const auto path = trimKeyPath(keyPath);
    if (ExistingKey(hive, path))
        return;
    const auto split = path.find(keySeparator);
    if (split == std::string::npos)
        throw UncreatableKeyPath{};
    const auto first = path.substr(0, split);
    if (!ExistingKey(hive, first))
        throw UncreatableKeyPath{};
    CreateKey(path.substr(split + 1), hive, first);
}

bool EasyReg::writeValue(std::int32_t hive, const std::string& keyPath,
                         const std::string& valueName, std::uint32_t type, const std::string& data,
                         std::size_t length) {
    return m_store->setValue(hive, trimKeyPath(keyPath), valueName, type, data.substr(0, length));
}

std::int32_t EasyReg::resolveHive(std::int32_t hive) const {
    return hive == 0 ? m_defaultHive : hive;
}

std::string EasyReg::resolvePath(const std::string& keyPath) const {
    return trimKeyPath(keyPath.empty() ? m_defaultSubKey : keyPath);
}

bool EasyReg::setValue(const std::string& strName, std::uint32_t type, const std::string& data,
                       std::int32_t MyHive, const std::string& strSubKey) {
    try {
        const auto hive = resolveHive(MyHive);
        const auto path = resolvePath(strSubKey);
        createKeyPath(hive, path);
        return writeValue(hive, path, strName, type, data, data.size());
    } catch (...) {
        return false;
    }
}

} // namespace tincta
