#pragma once

// Lets every skinned control speak to assistive technology: installs the
// factory of their accessible interfaces. Call once, after the application
// object exists and before any window is shown.
void InstallSkinAccessibility();
