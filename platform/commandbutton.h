#pragma once

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent) : QPushButton(parent) {}

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }
};
