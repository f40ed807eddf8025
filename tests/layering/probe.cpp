// Compiled with the include directories one layer's own sources get: HM_PROBE_ALLOWED names a
// header that layer may include, HM_PROBE_FORBIDDEN (when defined) one it must not find.
#include HM_PROBE_ALLOWED
#ifdef HM_PROBE_FORBIDDEN
#include HM_PROBE_FORBIDDEN
#endif
