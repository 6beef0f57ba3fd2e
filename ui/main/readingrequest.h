#pragma once

class frmMain;

// What "Get My Gemvara Reading" does: validate, compute, fill a fresh
// reading window, then swap the main window for it.
void RunReadingRequest(frmMain *main);
