#include "Deal.h"
