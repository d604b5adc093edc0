#pragma once

#include "registry/registrystore.h"
#include "registry/sqlitedb.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace tincta::sqlite {

// Opens the SQLite file at `filePath` (making its folder and the file where they are missing) and
// runs `use` on it; the answer is `use`'s. A file that turns out not to be usable as what `use`
// expects (damaged, or a database of another kind: see isDamage) is moved aside to
// "<file>.corrupt-<time>" with its journals, and `use` runs once more on a fresh file; `report`
// then says where the old one went. A call that cannot use the file at all answers false and
// sets `report.unusable`. Given `keepOpen`, a connection that `use` ended without failure is
// handed over there instead of being closed.
bool useFile(const std::string& filePath, std::chrono::steady_clock::time_point waitDeadline,
             const std::function<bool(Database&)>& use, StoreReport& report,
             std::unique_ptr<Database>* keepOpen = nullptr);

} // namespace tincta::sqlite
