#pragma once

// Files are saved complete or not at all. A name that holds a regular file,
// or nothing yet, is written beside it under a temporary name and put in
// place only when everything has reached the disk. A name that holds
// something else, such as a pipe to a plotter or a device, is kept: the
// file is written whole to a temporary file, then copied into it, so that
// a save that fails while it is written sends nothing. A copy that fails
// (its reader gone, say) cannot take back what was already sent: the
// reader may have taken a part of the file. While a pipe's reader is slow,
// the copy handles events.
//
// A name that holds the replacement character, as one decoded from bytes
// that are not valid in the system's encoding does, is never written: it
// would name another file than the one chosen.

#include <QFileDevice>
#include <QString>
#include <memory>

inline const QString UnencodableName = QStringLiteral("the name is not valid in the system's encoding");

class SaveFile
{
public:
    explicit SaveFile(const QString &name);
    ~SaveFile();

    // False, with the system's reason in errorString(), when the file
    // cannot be written.
    bool open();
    // Writes all the bytes, or fails with the system's reason: a write that
    // fills the disk stores what fits and returns without a reason, and
    // writing the rest is what names it.
    bool write(const char *data, qint64 size);
    // Where the file is written; it can seek.
    QFileDevice &device() { return *m_device; }
    // Puts the written file in place, or copies it into the pipe or device;
    // false, with the system's reason, when anything failed. A full disk or
    // a quota can show only when the data goes to the disk, which Qt's own
    // commit would not report.
    bool commit();
    // Throws the written file away.
    void cancel();
    QString errorString() const { return m_error; }

    // True when the name exists (after following links) and is not a
    // regular file: it is then written as it is.
    static bool holdsNoRegularFile(const QString &name);
    // False for a name that holds the replacement character; open() then
    // fails with UnencodableName, and readers refuse it too.
    static bool nameIsEncodable(const QString &name);
    // True while a file is being copied into a pipe whose reader is slow;
    // the program handles events meanwhile, and starts no other save.
    static bool copying();
    // True while copying: the program then ends once the copy is done, as
    // a reader given half a file would take it for a whole one.
    static bool holdEnd();

private:
    bool fail(const QString &reason);
    bool copyInPlace();
    QString copyInto(int target);

    QString m_name;
    bool m_inPlace;
    std::unique_ptr<QFileDevice> m_device;
    QString m_error;
};
