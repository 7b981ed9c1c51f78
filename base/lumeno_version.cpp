#include "base/lumeno_version.h"

const char* LumenoVersion() { return LUMENO_VERSION; }
