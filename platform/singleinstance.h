#pragma once

// One running copy per user. The lock lives in the user's runtime folder,
// which no other user can write to. A lock left by a copy that crashed is
// taken over. When no lock can be created at all, the program runs anyway.

// True when this process may run: it holds the lock, or no lock could be
// made. False when another copy of the program holds it.
bool AcquireInstanceLock();

// Gives the lock up; harmless when it is not held.
void ReleaseInstanceLock();
