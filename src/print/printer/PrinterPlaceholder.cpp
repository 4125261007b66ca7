// Units are header-only; this unit keeps the engine library non-empty until
// the drawing engine joins it.
#include "print/engine/Units.h"
