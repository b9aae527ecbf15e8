// SPDX-License-Identifier: MIT
// The second floor for the start-up figures: the bare main window with one line of
// Japanese text in the program's font, as any Qt program that shows Japanese text
// starts. What it costs above bare_window is what the font system costs: fontconfig's
// set-up, the font database, opening the CJK face and shaping.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("japanese_window"));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(11);
    window.setFont(font);
    window.setCentralWidget(new QLabel(QStringLiteral("この年に生まれた人は、今年0才です")));
    window.resize(391, 260);
    window.show();
    return app.exec();
}
