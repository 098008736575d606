#include "savefile.h"

#include "system.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <csignal>
#include <unistd.h>
#include <utility>

SaveFile::SaveFile(const QString &name) : m_name(name), m_inPlace(holdsNoRegularFile(name))
{
    if (m_inPlace)
        m_device = std::make_unique<QTemporaryFile>();
    else
        m_device = std::make_unique<QSaveFile>(name);
}

SaveFile::~SaveFile() = default;

bool SaveFile::holdsNoRegularFile(const QString &name)
{
    const QFileInfo info(name);
    return info.exists() && !info.isFile();
}

bool SaveFile::nameIsEncodable(const QString &name)
{
    // A relative name is written in the working folder, whose own name
    // counts too.
    return !QFileInfo(name).absoluteFilePath().contains(QChar::ReplacementCharacter);
}

bool SaveFile::open()
{
    if (!nameIsEncodable(m_name))
        return fail(UnencodableName);
    // Unbuffered: the writers pass large blocks. The temporary file is read
    // back when it is copied.
    const QIODevice::OpenMode mode = m_inPlace ? QIODevice::ReadWrite : QIODevice::WriteOnly;
    if (!m_device->open(mode | QIODevice::Unbuffered))
        return fail(m_device->errorString());
    return true;
}

bool SaveFile::write(const char *data, qint64 size)
{
    while (m_error.isEmpty() && size > 0) {
        const qint64 written = m_device->write(data, size);
        if (written <= 0)
            return fail(m_device->errorString());
        data += written;
        size -= written;
    }
    return m_error.isEmpty();
}

bool SaveFile::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason.isEmpty() ? QStringLiteral("unknown error") : reason;
    cancel();
    return false;
}

bool SaveFile::commit()
{
    if (!m_error.isEmpty())
        return false;
    if (m_device->error() != QFileDevice::NoError || !m_device->flush())
        return fail(m_device->errorString());
    if (m_inPlace)
        return copyInPlace();
    if (::fsync(m_device->handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return fail(qt_error_string(errno));
    if (!static_cast<QSaveFile &>(*m_device).commit())
        return fail(m_device->errorString());
    return true;
}

void SaveFile::cancel()
{
    if (!m_device->isOpen())
        return;
    if (auto *saveFile = dynamic_cast<QSaveFile *>(m_device.get())) {
        // A cancelled commit removes the temporary file.
        saveFile->cancelWriting();
        saveFile->commit();
    } else {
        m_device->close();
    }
}

namespace {
int copiesRunning = 0;
bool endHeld = false;

// A reader that goes away makes a write fail with a reason, not end the
// program with SIGPIPE.
class PipeSignalIgnored
{
public:
    PipeSignalIgnored() : m_previous(std::signal(SIGPIPE, SIG_IGN)) { ++copiesRunning; }
    ~PipeSignalIgnored()
    {
        std::signal(SIGPIPE, m_previous);
        --copiesRunning;
    }

private:
    void (*m_previous)(int);
};
} // namespace

bool SaveFile::copying()
{
    return copiesRunning > 0;
}

bool SaveFile::holdEnd()
{
    endHeld = copying();
    return endHeld;
}

bool SaveFile::copyInPlace()
{
    // Non-blocking: a pipe that nobody reads is refused; while its reader
    // is slow the program handles events; one that stops for long fails.
    const int target = ::open(QFile::encodeName(m_name).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (target < 0)
        return fail(qt_error_string(errno));
    QString reason = copyInto(target);
    if (::close(target) != 0 && reason.isEmpty() && errno != EINTR)
        reason = qt_error_string(errno);
    if (std::exchange(endHeld, false))
        End();
    if (!reason.isEmpty())
        return fail(reason);
    m_device->close();
    return true;
}

QString SaveFile::copyInto(int target)
{
    const PipeSignalIgnored ignored;
    constexpr int LongestStall = 10000; // milliseconds
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    QString reason;
    std::array<char, 1 << 16> buffer;
    m_device->seek(0);
    while (reason.isEmpty()) {
        const qint64 read = m_device->read(buffer.data(), qint64(buffer.size()));
        if (read < 0)
            reason = m_device->errorString();
        if (read <= 0)
            break;
        for (qint64 done = 0; done < read && reason.isEmpty();) {
            const ssize_t written = ::write(target, buffer.data() + done, std::size_t(read - done));
            if (written > 0) {
                done += written;
                sinceProgress.restart();
            } else if (written < 0 && errno == EAGAIN) {
                if (sinceProgress.elapsed() > LongestStall)
                    reason = QStringLiteral("nothing read it for %1 seconds").arg(LongestStall / 1000);
                else
                    WaitForEvents(20);
            } else if (written == 0 || errno != EINTR) {
                reason = qt_error_string(written == 0 ? EIO : errno);
            }
        }
    }
    return reason;
}
