#include "print/PrintSurface.h"
