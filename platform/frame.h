#pragma once

// A frame: a bordered container whose controls are placed within it.

#include <QFrame>

class Frame : public QFrame
{
    Q_OBJECT
public:
    explicit Frame(QWidget *parent) : QFrame(parent) { setFrameStyle(QFrame::Box | QFrame::Sunken); }
};
