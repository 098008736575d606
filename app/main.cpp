#include "core/module1.h"
#include "mainwindow/mainpanel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program ends when the main panel unloads, not when the last
    // window happens to close.
    app.setQuitOnLastWindowClosed(false);
    Form1->show();
    return app.exec();
}
