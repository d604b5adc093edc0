#pragma once

#include "contractrunner.h"

#include "registry/easyreg.h"
#include "registry/registrystore.h"

#include <memory>
#include <string>
#include <vector>

namespace tincta::contract {

// The key the program keeps its settings in, and a scratch key beside it; a backend clears
// both (and the scratch key right below the hive) before each case.
inline const std::string programKey = "Software\\Quillmere\\Tincta 2005";
inline const std::string scratchKey = "Software\\TinctaContract";
inline const std::string topScratchKey = "TinctaContractTop";

// Passes every call on to a store and counts the key creations asked for.
class CountingStore final : public RegistryStore {
public:
    explicit CountingStore(std::unique_ptr<RegistryStore> inner) : m_inner(std::move(inner)) {}
    int createKeyCalls = 0;

    bool keyExists(std::int32_t hive, const std::string& path) override;
    bool createKey(std::int32_t hive, const std::string& parent, const std::string& key) override;
    bool deleteKey(std::int32_t hive, const std::string& path) override;
    bool setValue(std::int32_t hive, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::string& data) override;
    std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& path,
                                          const std::string& name) override;
    bool deleteValue(std::int32_t hive, const std::string& path, const std::string& name) override;
    void beginBatch(std::chrono::steady_clock::time_point deadline) override;
    StoreReport endBatch() override;

private:
    std::unique_ptr<RegistryStore> m_inner;
};

// What a case works with: EasyReg pointed at the program's key as the program points it, and a
// second door onto the same data for what EasyReg itself cannot write or show.
struct StoreFixture {
    StoreFixture(std::unique_ptr<RegistryStore> forEasyReg, std::unique_ptr<RegistryStore> other,
                 Checks& checks);

    CountingStore* counter;
    EasyReg reg;
    std::unique_ptr<RegistryStore> raw;
    Checks& checks;
};

struct StoreCase {
    std::string name;
    std::function<void(StoreFixture&)> run;
};

// One backend of the store: where its data lives and how a case starts afresh.
class ContractBackend {
public:
    virtual ~ContractBackend() = default;
    // Leaves the keys the cases touch as on a machine where the program never ran.
    virtual void clear() = 0;
    virtual std::unique_ptr<RegistryStore> openStore() = 0;
    // What must hold after every case besides its own checks.
    virtual void checkAfterCase(Checks&) {}
    // Cases that only this backend can set up.
    virtual std::vector<StoreCase> ownCases() { return {}; }
};

// The platform's backend, or nothing (with a message) when it may not run here.
std::unique_ptr<ContractBackend> makeContractBackend(int argc, char** argv);

// Every case of the contract, then the backend's own, each on a cleared store.
std::vector<Case> storeContractCases(ContractBackend& backend);

} // namespace tincta::contract
