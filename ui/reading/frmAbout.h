#pragma once
// Placeholder; the window is built from frmAbout.ui.
