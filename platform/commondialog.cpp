#include "commondialog.h"

#include "savefile.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QStringList>

namespace {
CommonDialog::ColorAnswer colorAnswer;
CommonDialog::SaveAnswer saveAnswer;
CommonDialog::OpenAnswer openAnswer;
CommonDialog::ChoiceAnswer choiceAnswer;

// "meta files (*.wmf)|*.wmf|all files (*.*)|*.*" becomes Qt's
// "meta files (*.wmf);;all files (*.*)".
QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString pattern = parts[i + 1];
        entries << (description.contains(pattern) ? description : description + " (" + pattern + ")");
    }
    return entries.join(";;");
}
} // namespace

void CommonDialog::setColorAnswer(ColorAnswer answer)
{
    colorAnswer = std::move(answer);
}

void CommonDialog::setSaveAnswer(SaveAnswer answer)
{
    saveAnswer = std::move(answer);
}

void CommonDialog::setOpenAnswer(OpenAnswer answer)
{
    openAnswer = std::move(answer);
}

void CommonDialog::setChoiceAnswer(ChoiceAnswer answer)
{
    choiceAnswer = std::move(answer);
}

bool CommonDialog::showColor()
{
    std::optional<Color> chosen;
    if (colorAnswer) {
        chosen = colorAnswer(m_color);
    } else {
        const QColor picked = QColorDialog::getColor(toQColor(m_color), &m_owner);
        if (picked.isValid())
            chosen = fromQColor(picked);
    }
    if (chosen)
        m_color = *chosen;
    return chosen.has_value();
}

bool CommonDialog::showSave()
{
    std::optional<QString> chosen;
    if (saveAnswer) {
        chosen = saveAnswer(m_fileName);
    } else {
        // The name is taken as typed: no extension is added and replacing an
        // existing file is not asked about.
        const QString picked = QFileDialog::getSaveFileName(&m_owner, QString(), m_fileName, toQtFilter(m_filter),
                                                            nullptr, QFileDialog::DontConfirmOverwrite);
        if (!picked.isEmpty())
            chosen = picked;
    }
    // A pipe or a device keeps its name.
    if (chosen && !m_extension.isEmpty() && QFileInfo(*chosen).suffix().isEmpty() &&
        !SaveFile::holdsNoRegularFile(*chosen))
        chosen = *chosen + "." + m_extension;
    if (chosen)
        m_fileName = *chosen;
    return chosen.has_value();
}

bool CommonDialog::showOpen()
{
    std::optional<QString> chosen;
    if (openAnswer) {
        chosen = openAnswer(m_fileName);
    } else {
        const QString picked = QFileDialog::getOpenFileName(&m_owner, QString(), m_fileName, toQtFilter(m_filter));
        if (!picked.isEmpty())
            chosen = picked;
    }
    if (chosen)
        m_fileName = *chosen;
    return chosen.has_value();
}

std::optional<int> CommonDialog::showChoice(const QString &title, const QString &label, const QStringList &items)
{
    if (choiceAnswer)
        return choiceAnswer(items);
    bool ok = false;
    const QString picked = QInputDialog::getItem(&m_owner, title, label, items, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return int(items.indexOf(picked));
}
