// The contract run against the Windows registry itself, in HKEY_CURRENT_USER.
#include "storecontract.h"
#include "win32testsupport.h"

#include "registry/win32registrystore.h"

#include <windows.h>

#include <cstdio>

namespace tincta::contract {

namespace {

using namespace std::string_literals;

// Another program holds the key open while EasyReg deletes it: the key goes at once, the other
// handle sees it deleted, and a new key of the same name starts empty.
void keyHeldOpenWhileDeleted(StoreFixture& f) {
    EXPECT(f.checks, f.reg.SetString("Held", "before"));
    HKEY held = nullptr;
    EXPECT(f.checks, RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quillmere\\Tincta 2005", 0,
                                   KEY_QUERY_VALUE, &held) == ERROR_SUCCESS);
    EXPECT(f.checks, f.reg.DeleteKey());
    EXPECT(f.checks, !f.reg.ExistingKey());
    bool ok = true;
    EXPECT_EQ(f.checks, f.reg.GetValue("Held", ok, "dflt"), "dflt"s);
    EXPECT(f.checks, !ok);
    EXPECT_EQ(f.checks, RegQueryValueExW(held, L"Held", nullptr, nullptr, nullptr, nullptr),
              static_cast<LONG>(ERROR_KEY_DELETED));
    EXPECT(f.checks, f.reg.SetString("Fresh", "after"));
    EXPECT(f.checks, !f.reg.ExistingValue("Held"));
    RegCloseKey(held);
    EXPECT_EQ(f.checks, f.reg.GetValue("Fresh", ok), "after"s);
}

class Win32Backend final : public ContractBackend {
public:
    Win32Backend() {
        // The runtime keeps a handle from the first exception thrown on; EasyReg throws inside
        // itself, so throw once here, before any handles are counted.
        try {
            throw 0;
        } catch (int) {
        }
    }

    void clear() override {
        for (const auto* key :
             {L"Software\\Quillmere", L"Software\\TinctaContract", L"TinctaContractTop"})
            deleteUserKeyTree(key);
        m_handles = processHandleCount();
    }
    std::unique_ptr<RegistryStore> openStore() override {
        return std::make_unique<Win32RegistryStore>();
    }
    // Every key a store opened is closed again, whatever the call met.
    void checkAfterCase(Checks& checks) override {
        EXPECT_EQ(checks, processHandleCount(), m_handles);
    }
    std::vector<StoreCase> ownCases() override {
        return {{"key held open by another handle while it is deleted", keyHeldOpenWhileDeleted}};
    }

private:
    long m_handles = -1;
};

} // namespace

std::unique_ptr<ContractBackend> makeContractBackend(int argc, char** argv) {
    if (!mayClearProgramKey(argc, argv)) {
        std::fprintf(stderr, "Clears the program's registry key: run under Wine, or pass "
                             "--clear-program-key.\n");
        return nullptr;
    }
    return std::make_unique<Win32Backend>();
}

} // namespace tincta::contract
