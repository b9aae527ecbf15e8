#include "window_font.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QWidget>

namespace erakon {
namespace {

// A family the system lacks is not free to name: Qt searches fontconfig's
// fallbacks for it once per script of the text shown, several milliseconds at
// start. "Meiryo UI" is named only where it is installed; the fonts drawn are
// the same either way.
QStringList programFamilies()
{
    const QString meiryo = QStringLiteral("Meiryo UI");
    const QString noto = QStringLiteral("Noto Sans CJK JP");
    if (!QGuiApplication::instance())
        return {meiryo, noto};
    static const bool hasMeiryo = QFontDatabase::families().contains(meiryo, Qt::CaseInsensitive);
    return hasMeiryo ? QStringList{meiryo, noto} : QStringList{noto};
}

} // namespace

QFont windowFont(int pixelSize)
{
    QFont font;
    font.setFamilies(programFamilies());
    font.setPixelSize(pixelSize);
    return font;
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace erakon
