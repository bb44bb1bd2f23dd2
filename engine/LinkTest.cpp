#include "LinkTest.h"
