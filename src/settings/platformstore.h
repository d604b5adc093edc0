#pragma once

#include "settings/registrystore.h"

#include <memory>

#if defined(_WIN32)
#error "The registry store of this platform has not been written yet."
#else
#include "settings/sqlitestore.h"
#endif

namespace tincta {

// The one place that decides where EasyReg keeps its data.
#if !defined(_WIN32)
using PlatformRegistryStore = SqliteStore;
#endif

inline std::unique_ptr<RegistryStore> makePlatformRegistryStore() {
    return std::make_unique<PlatformRegistryStore>();
}

} // namespace tincta
