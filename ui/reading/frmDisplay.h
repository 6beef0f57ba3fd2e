#pragma once
// Placeholder; the window is built from frmDisplay.ui.
