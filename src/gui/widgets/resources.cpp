#include "gui/widgets/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initTinctaResources() {
    Q_INIT_RESOURCE(tincta);
    Q_INIT_RESOURCE(icons);
}

namespace tincta {

void initResources() {
    static const bool done = (initTinctaResources(), true);
    Q_UNUSED(done);
}

} // namespace tincta
