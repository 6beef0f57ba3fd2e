#include "gempictures.h"
