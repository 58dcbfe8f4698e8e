// Placeholders of the file restore and of the tvt chunk reader: the exported
// names and ordinals exist now so callers can bind them; both report -999
// until the restore path is built.
#include "trellis_tvt.h"

extern "C" {

TRELLIS_VESK_API int trellis_vesk_restore_file(void *, int, const char *, const char *, int,
                                               trellis_vesk_restore_file_progress_cbk, void *) noexcept
{
    return -999;
}

TRELLIS_VESK_API int tvt_read_chunk(char *, char *, long long, char *, int) noexcept
{
    return -999;
}

} // extern "C"
