#pragma once

// A label: static text that wraps at its width.

#include "color.h"

#include <QLabel>

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }
    void setForeColor(Color color);
    void setBackColor(Color color);

protected:
    // A click on a label belongs to the label, not to what lies beneath.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
