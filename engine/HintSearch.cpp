#include "HintSearch.h"
