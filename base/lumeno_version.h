#pragma once

// The version every Lumeno program reports, taken from the project version in
// the top-level CMakeLists.txt.
const char* LumenoVersion();
