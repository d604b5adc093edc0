#include "colour/colourtables.h"
