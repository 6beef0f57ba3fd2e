#include "frmAbout.h"
#include "ui_frmAbout.h"
