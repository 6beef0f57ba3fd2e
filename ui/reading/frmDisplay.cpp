#include "frmDisplay.h"
#include "ui_frmDisplay.h"
