/* The public header must build as plain C. */
#include "trellis_vesk.h"

int trellis_header_check(void);
int trellis_header_check(void)
{
    trellis_vesk_item item;
    trellis_vesk_stat stat;
    trellis_vesk_version version;
    item.type = TRELLIS_VESK_DIR;
    stat.total_size = 0;
    version.version_id = 0;
    return item.type + (int)stat.total_size + version.version_id;
}
