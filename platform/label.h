#pragma once

// A label: static text that wraps at its width and is never cut off.
//
// A caption breaks between words. When it does not fit the label's
// rectangle in the label's font, it is drawn in the largest smaller size
// that fits, so that a design made for one font shows its whole text in
// another. A label set to wrap anywhere keeps its font instead, breaks a
// word only where it is longer than a line (a file name), and leaves it to
// its window to give it the height it needs (heightForWidth).

#include "color.h"

#include <QLabel>
#include <initializer_list>

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }
    void setForeColor(Color color);
    void setBackColor(Color color);
    void setWrapAnywhere(bool anywhere) { m_wrapAnywhere = anywhere; }

    // The font the caption is drawn in.
    QFont captionFont() const;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click on a label belongs to the label, not to what lies beneath.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int flags() const;

    bool m_wrapAnywhere = false;
    // The font last fitted, and what it was fitted for.
    struct Fitted {
        QString text;
        QFont font;
        QRect area;
        QFont result;
    };
    mutable Fitted m_fitted;
};

// Gives the labels one size of type: the largest at which each caption fits.
void fitTogether(std::initializer_list<Label *> labels);
