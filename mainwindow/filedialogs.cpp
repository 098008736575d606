#include "filedialogs.h"

#include "platform/commondialog.h"
#include "platform/savefile.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString folderKey(const QString &kind)
{
    return "folders/" + kind;
}

void rememberFolder(const QString &kind, const QString &fileName)
{
    ProgramSettings().setValue(folderKey(kind), QFileInfo(fileName).absolutePath());
}

bool ask(CommonDialog &dialog, const QString &kind, bool (CommonDialog::*show)())
{
    // A dialog that has proposed nothing in this run starts in its kind's
    // folder, if that is still there.
    if (dialog.fileName().isEmpty()) {
        const QString folder = ProgramSettings().value(folderKey(kind)).toString();
        if (QFileInfo(folder).isDir())
            dialog.setFileName(folder);
    }
    if (!(dialog.*show)())
        return false;
    rememberFolder(kind, dialog.fileName());
    return true;
}
} // namespace

QSettings ProgramSettings()
{
    // A settings file that is no regular file (a pipe, say) would hold the
    // program at its start: it then runs on its defaults and keeps nothing.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/rondel.conf";
    if (SaveFile::holdsNoRegularFile(file))
        return QSettings("/dev/null", QSettings::IniFormat);
    return QSettings("rondel");
}

bool AskToSave(CommonDialog &dialog, const QString &kind)
{
    return ask(dialog, kind, &CommonDialog::showSave);
}

bool AskToOpen(CommonDialog &dialog, const QString &kind)
{
    return ask(dialog, kind, &CommonDialog::showOpen);
}

void ProposeFile(CommonDialog &dialog, const QString &kind, const QString &fileName)
{
    dialog.setFileName(fileName);
    rememberFolder(kind, fileName);
}
