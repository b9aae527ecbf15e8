// SPDX-License-Identifier: MIT
// The floor for the start-up figures: a Qt Widgets program that does nothing but show an
// empty main window of the program's size. bench/startup.sh compares erakon against it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare_window"));
    window.resize(391, 260);
    window.show();
    // Closing the window ends the program, like any close request of the window manager.
    return app.exec();
}
