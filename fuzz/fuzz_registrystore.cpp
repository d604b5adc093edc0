// Opens arbitrary bytes as the registry store file and reads and writes the program's settings
// through EasyReg, as a start-up would after the file was damaged or replaced.
#include "registry/easyreg.h"
#include "registry/sqlitestore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A folder of its own for each input, gone when the input is done; libFuzzer ends without
// running exit handlers, so nothing may outlive an input.
class WorkFolder {
public:
    WorkFolder() {
        // Memory-backed where available: the store syncs every write to disk.
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "fuzzreg.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WorkFolder folder;
    const auto file = (folder.path() / "registry.sqlite3").string();
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    tincta::EasyReg reg(std::make_unique<tincta::SqliteStore>(file));
    reg.DefaultHive(tincta::HKEY_CURRENT_USER);
    reg.DefaultSubKey("Software\\Quillmere\\Tincta 2005");
    bool ok = false;
    for (const char* name :
         {"CustomFormat", "FormatIndex", "SortIndex", "PromptToSave", "StandardFolder"}) {
        reg.GetValue(name, ok, "default");
        reg.GetValueType(name);
    }
    reg.ExistingKey(tincta::HKEY_LOCAL_MACHINE, "Software");
    // A write must succeed whatever the file held: a damaged file is replaced.
    if (!reg.SetString("FormatIndex", "3"))
        std::abort();
    if (reg.GetValue("FormatIndex", ok) != "3")
        std::abort();
    reg.DeleteKey();
    return 0;
}
