#pragma once

#include "registry/registrystore.h"

#include <memory>

#if defined(_WIN32)
#include "registry/win32registrystore.h"
#else
#include "registry/sqlitestore.h"
#endif

namespace tincta {

// The one place that decides where EasyReg keeps its data.
#if defined(_WIN32)
using PlatformRegistryStore = Win32RegistryStore;
#else
using PlatformRegistryStore = SqliteStore;
#endif

inline std::unique_ptr<RegistryStore> makePlatformRegistryStore() {
    return std::make_unique<PlatformRegistryStore>();
}

} // namespace tincta
