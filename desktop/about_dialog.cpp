// SPDX-License-Identifier: MIT
#include "desktop/about_dialog.h"

#include "core/clock.h"
#include "desktop/file_version.h"
#include "desktop/maker_info.h"
#include "desktop/program_icon.h"
#include "desktop/title_bar_buttons.h"
#include "desktop/ukraine_time.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>

namespace erakon {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QString aboutText(const AboutContext& context, QSize screenSize)
{
    const QStringList entries{
        QFileInfo(context.executablePath).completeBaseName() + u' ' + QString::fromUtf8(kVersionText)
            + QStringLiteral(" (") + FileVersionText(context.executablePath) + QStringLiteral(") Release Build"),
        context.executablePath,
        QStringLiteral("CurrentScreen %1 x %2").arg(screenSize.width()).arg(screenSize.height()),
        QString(),
        kCopyrightLine,
        kContactAddress,
        kSiteRoot,
        QString(),
        UkraineTimeText(context.clock.now(), context.offsetFromUtc, context.ukrainian),
    };
    return entries.join(kLineBreak) + kLineBreak;
}

QLinearGradient aboutGradient(quint32 colour, const QRectF& rect)
{
    const QPointF end = (colour % 2 == 1) ? rect.topRight() : rect.bottomLeft();
    QLinearGradient gradient(rect.topLeft(), end);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff)));
    return gradient;
}

quint32 aboutGradientColour(QRandomGenerator& random) { return random.bounded(quint32{0xffffff}); }

void AboutDialogPaint(QWidget& dialog, quint32 colour)
{
    QPainter painter(&dialog);
    painter.fillRect(dialog.rect(), aboutGradient(colour, dialog.rect()));
}

AboutDialog::AboutDialog(const QString& text, const QIcon& icon, QRandomGenerator* gradientRandom, QWidget* parent)
    : QMessageBox(parent)
    , m_gradientRandom(gradientRandom)
{
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    if (icon.isNull()) {
        setIcon(QMessageBox::Information);
    } else {
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        setIconPixmap(icon.pixmap(QSize(size, size), devicePixelRatio()));
    }

    // The label shows CR LF as one break only when given plain line feeds.
    setTextFormat(Qt::PlainText);
    setText(QString(text).replace(kLineBreak, QStringLiteral("\n")));
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAutoFillBackground(false);
    }
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setWordWrap(false);

    QPushButton* ok = addButton(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setCursor(Qt::PointingHandCursor);
    setDefaultButton(ok);
    setEscapeButton(ok);
}

void AboutDialog::paintEvent(QPaintEvent* event)
{
    if (!m_gradientRandom) {
        QMessageBox::paintEvent(event);
        return;
    }
    // Every paint of the whole dialog draws a new colour. A part repainted
    // for a child (the button under the mouse, the label) keeps the colour
    // around it, or the dialog would turn into a patchwork.
    if (!m_painted || (QRegion(rect()) - event->region()).isEmpty()) {
        m_colour = aboutGradientColour(*m_gradientRandom);
        m_painted = true;
    }
    AboutDialogPaint(*this, m_colour);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    // The message box settles its size only now, after the dialog placed
    // itself by its earlier size.
    QMessageBox::showEvent(event);
    hideTitleBarButtons(*this);
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(
            qBound(available.left(), frame.left(), qMax(available.left(), available.right() - frame.width() + 1)));
        frame.moveTop(
            qBound(available.top(), frame.top(), qMax(available.top(), available.bottom() - frame.height() + 1)));
    }
    move(frame.topLeft());
}

std::unique_ptr<AboutDialog> createAboutDialog(const AboutContext& context)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize();
    QRandomGenerator* gradient = context.activeStyleName == context.basicStyleName ? &context.random : nullptr;
    return std::make_unique<AboutDialog>(aboutText(context, screenSize), loadProgramDrawing(), gradient,
                                         context.mainWindow);
}

void showAboutBox(const AboutContext& context)
{
    const std::unique_ptr<AboutDialog> dialog = createAboutDialog(context);
    dialog->exec();
}

} // namespace erakon
