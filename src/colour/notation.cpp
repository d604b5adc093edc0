#include "colour/notation.h"
