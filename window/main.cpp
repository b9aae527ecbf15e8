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

    erakon::SystemClock clock;
    erakon::QtMessages messages;
    erakon::TErakonForm form({.clock = clock, .messages = messages, .locale = QLocale::system(), .trayAvailable = {}});
    form.show();
    return app.exec();
}
