#pragma once

#include <QString>

// A caption as shown and read out: every accelerator mark "&" removed, and
// "&&" standing for one literal ampersand.
QString WithoutAccelerator(const QString& caption);
