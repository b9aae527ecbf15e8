// Placeholder start until the main window exists.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("erakon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Erakon"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Erakon"));
    window.resize(391, 260);
    window.show();
    return app.exec();
}
