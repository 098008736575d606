#include "savefile.h"

#include <cerrno>
#include <unistd.h>

bool commitSaveFile(QSaveFile &file, QString &reason)
{
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        reason = file.errorString();
    } else if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        reason = qt_error_string(errno);
    } else if (file.commit()) {
        return true;
    } else {
        reason = file.errorString();
    }
    file.cancelWriting();
    return false;
}
