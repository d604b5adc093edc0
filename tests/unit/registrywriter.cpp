// Writes numbered values into a registry store in a tight loop, for the test of several copies
// of the program writing at once.
//   registrywriter <store file> <value name> <count>
// Writes "<value name>-<i>" to <value name> and to "Shared" for i = 1..count, then exits with
// the number of writes that reported failure (capped at 100).
#include "registry/easyreg.h"
#include "registry/sqlitestore.h"

#include <cstdlib>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4)
        return 101;
    tincta::EasyReg reg(std::make_unique<tincta::SqliteStore>(argv[1]));
    reg.DefaultHive(tincta::HKEY_CURRENT_USER);
    reg.DefaultSubKey("Software\\Quillmere\\Tincta 2005");
    const std::string name = argv[2];
    const int count = std::atoi(argv[3]);
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string value = name + "-" + std::to_string(i);
        if (!reg.SetString(name, value))
            ++failures;
        if (!reg.SetString("Shared", value))
            ++failures;
    }
    return failures > 100 ? 100 : failures;
}
