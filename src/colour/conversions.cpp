#include "colour/conversions.h"
