#pragma once

// The standard colour and file dialogs. Each dialog component keeps the
// colour and the file name last chosen in it, and opens with them
// preselected.

#include "color.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

class CommonDialog
{
public:
    explicit CommonDialog(QWidget &owner) : m_owner(owner) {}

    Color color() const { return m_color; }
    QString fileName() const { return m_fileName; }
    // What the next file dialog proposes: a file's path, or a folder's.
    void setFileName(const QString &name) { m_fileName = name; }
    // A filter in the form "description|pattern|description|pattern".
    void setFilter(const QString &filter) { m_filter = filter; }
    // Added to a file name chosen without one; none by default.
    void setDefaultExtension(const QString &extension) { m_extension = extension; }

    // Modal; each returns false when the user cancelled, leaving the colour
    // or file name as it was.
    bool showColor();
    bool showSave();
    bool showOpen();
    // Modal: the index of the item chosen, or nothing.
    std::optional<int> showChoice(const QString &title, const QString &label, const QStringList &items);

    // Test seams: while set, the answer stands in for the user and is
    // given what the dialog shows first; nothing means Cancel.
    using ColorAnswer = std::function<std::optional<Color>(Color shown)>;
    using SaveAnswer = std::function<std::optional<QString>(const QString &proposed)>;
    using OpenAnswer = SaveAnswer;
    using ChoiceAnswer = std::function<std::optional<int>(const QStringList &items)>;
    static void setColorAnswer(ColorAnswer answer);
    static void setSaveAnswer(SaveAnswer answer);
    static void setOpenAnswer(OpenAnswer answer);
    static void setChoiceAnswer(ChoiceAnswer answer);

private:
    QWidget &m_owner;
    Color m_color = 0;
    QString m_fileName;
    QString m_filter;
    QString m_extension;
};
