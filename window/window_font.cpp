#include "window_font.h"

#include <QWidget>

namespace erakon {

QFont windowFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Meiryo UI"), QStringLiteral("Noto Sans CJK JP")});
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
