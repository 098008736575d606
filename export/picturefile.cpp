#include "picturefile.h"

#include "infowindows/errorwindow.h"
#include "mainwindow/filedialogs.h"
#include "platform/commondialog.h"
#include "platform/savefile.h"

std::span<const DrawingRecord> DrawingsSinceClear()
{
    return std::span<const DrawingRecord>(drawings.data(), std::size_t(drawCount));
}

bool ExportPicture(CommonDialog &dialog, const QString &filter, const QString &extension,
                   const std::function<bool(SaveFile &file, QString &reason)> &write)
{
    if (!SaveCanStart())
        return false;
    dialog.setFilter(filter);
    dialog.setDefaultExtension(extension);
    if (!AskToSave(dialog, extension))
        return false;
    return SavePicture(dialog.fileName(), write);
}

bool SavePicture(const QString &name, const std::function<bool(SaveFile &file, QString &reason)> &write)
{
    SaveFile file(name);
    QString reason;
    if (file.open() && write(file, reason) && file.commit())
        return true;
    file.cancel();
    // A write the user cancelled names no reason.
    if (const QString why = reason.isEmpty() ? file.errorString() : reason; !why.isEmpty())
        ShowSaveFailure(name, why);
    return false;
}

bool SaveCanStart()
{
    if (!SaveFile::copying())
        return true;
    ShowError("the last save is still being written into its pipe");
    return false;
}

void ShowSaveFailure(const QString &fileName, const QString &reason)
{
    ShowError(QString("could not save \"%1\": %2").arg(ShownFileName(fileName), reason));
}
