// tvt vault chunk records (the library's own vault reader) and the file
// restore. Both arrive with the file restore; until then they fail with -999.
#pragma once

#include "trellis_vesk.h"
