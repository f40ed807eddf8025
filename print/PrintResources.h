#pragma once
// Registers the artwork of the printed page (resources/print.qrc). The resource object lives in
// a static library, where the linker would drop its automatic registration; call this before
// loading ":/print/..." files. Idempotent, window thread.
namespace hm {
void ensurePrintResources();
}
