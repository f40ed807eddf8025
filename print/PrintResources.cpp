#include "print/PrintResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initPrintResources() {
    Q_INIT_RESOURCE(print);
}

namespace hm {

void ensurePrintResources() {
    static const bool registered = (initPrintResources(), true);
    (void)registered;
}

}  // namespace hm
