// Program start: the application object, Qt's own Japanese texts for a
// Japanese user, the one window, the message loop.
#include "main_window.h"
#include "qt_messages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("erakon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Erakon"));

    // The standard buttons of the questions read はい, いいえ, キャンセル.
    QTranslator qtTranslator;
    if (QLocale::system().language() == QLocale::Japanese
        && qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    // The program ends with its window's close, not with the last visible
    // window: while the window sits in the tray, a question box may be the
    // only window, and answering it must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    erakon::SystemClock clock;
    erakon::QtMessages messages;
    erakon::TErakonForm form({.clock = clock, .messages = messages, .locale = QLocale::system(), .trayAvailable = {}});
    QObject::connect(&form, &erakon::TErakonForm::formClosed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}
