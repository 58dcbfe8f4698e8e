// The restore engine's use of descriptor commands in one place: walking the
// vaults of a descriptor, the restore searches of the workers and the
// ranged read of the partial order.
#pragma once

#include "descriptor.h"
#include "restore_internal.h"

#include <sqlite3.h>

#include <functional>

namespace orvex::restore {

using VaultFn = std::function<int(int64_t hid, int64_t vid)>;

inline int dsc_iter_vaults_row(file_t *, sqlite3_stmt *stmt, void *datap)
{
    auto *data = static_cast<descriptor_data_t *>(datap);
    auto *fn = static_cast<VaultFn *>(data->user_data);
    return (*fn)(sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1));
}

// Calls fn(hid, vid) for every distinct vault the descriptor's rows name
// (rows without a vault excluded). 0, or -1 with errno.
inline int dsc_iter_vaults(file_t *descriptor, VaultFn fn)
{
    if (!descriptor || !descriptor->fops || !descriptor->fops->iter_vaults)
        return fail_errno(EINVAL);
    descriptor_data_t data{};
    data.cmd = DSC_ITER_ALL_VAULTS;
    data.callback = dsc_iter_vaults_row;
    data.user_data = &fn;
    errno = 0;
    int rc = descriptor->fops->iter_vaults(descriptor, &data);
    if (rc != 0 && errno == 0)
        errno = EIO;
    return rc;
}

// The number of chunk rows (largest row id + 1) or the header's count,
// whichever is larger, so that no row is left out of the record ranges.
inline int64_t dsc_num_records(file_t *descriptor)
{
    int64_t n = descriptor->num_blobs;
    if (auto *hdr = static_cast<const filehdr_t *>(descriptor->hdr))
        n = std::max<int64_t>(n, static_cast<int64_t>(hdr->num_chunks));
    return n;
}

inline bool dsc_is_dirty(file_t *descriptor, int64_t rid)
{
    if (!descriptor->dirtymap || rid < 0)
        return false;
    return read_bit(descriptor->dirtymap, static_cast<uint64_t>(rid)) == OCCUPIED_BIT;
}

} // namespace orvex::restore
