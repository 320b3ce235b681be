#include "form/Unit1.h"
