#include "readingrequest.h"

#include "validation.h"

// Placeholder until the reading window exists.
void RunReadingRequest(frmMain *main)
{
    if (!ValidateInput(main))
        return;
}
