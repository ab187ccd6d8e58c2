#include "app/tdr/FileBirthTime.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace app::tdr {

QDateTime fileBirthTime(int fd) {
    struct statx st {};
    if (statx(fd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_MTIME, &st) == 0) {
        // Linux file systems such as ext4, xfs and btrfs keep a birth time;
        // tmpfs, network and older ones do not, and then the modification
        // time stands in for it.
        const statx_timestamp& t = (st.stx_mask & STATX_BTIME) ? st.stx_btime : st.stx_mtime;
        return QDateTime::fromSecsSinceEpoch(t.tv_sec);
    }
    // Kernels without statx.
    struct stat old {};
    if (fstat(fd, &old) == 0) return QDateTime::fromSecsSinceEpoch(old.st_mtime);
    return QDateTime::currentDateTime();
}

} // namespace app::tdr
