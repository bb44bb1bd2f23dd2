#include "Compaction.h"
