#include "clipboardguard.h"
