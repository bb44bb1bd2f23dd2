#include "Geometry.h"
