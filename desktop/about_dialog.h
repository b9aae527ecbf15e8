// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"
#include "desktop/utc_offset.h"

#include <QLinearGradient>
#include <QMessageBox>
#include <QSize>
#include <QString>

#include <memory>

class QRandomGenerator;

namespace erakon {

class Clock;

// What the About command needs from the main window.
struct AboutContext {
    QWidget* mainWindow = nullptr;
    QString executablePath;
    const Clock& clock;
    UtcOffsetAt offsetFromUtc;
    DateFormatSettings ukrainian; // names for the time in Ukraine
    QString activeStyleName; // style active now
    QString basicStyleName; // the style active when the main window was made
    QRandomGenerator& random; // the program's generator, seeded once at start
};

// The nine lines of the About text, each ending with CR LF.
QString aboutText(const AboutContext& context, QSize screenSize);

// Gradient from white to colour (bytes from low to high: red, green, blue):
// left to right for an odd colour, top to bottom for an even one.
QLinearGradient aboutGradient(quint32 colour, const QRectF& rect);

// A new end colour for the gradient: [0, 0xfffffe].
quint32 aboutGradientColour(QRandomGenerator& random);

// Fills the dialog with the gradient to colour. Called from the dialog's
// paint event.
void AboutDialogPaint(QWidget& dialog, quint32 colour);

// The About box: the program's icon, the text, one OK button, no title-bar
// buttons; painted with AboutDialogPaint when asked to.
class AboutDialog final : public QMessageBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    AboutDialog(const QString& text, const QIcon& icon, QRandomGenerator* gradientRandom, QWidget* parent);

    bool paintsGradient() const { return m_gradientRandom != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QRandomGenerator* m_gradientRandom; // null: the style paints the dialog
    quint32 m_colour = 0;
    bool m_painted = false;
};

// The dialog for the command, built anew each time.
std::unique_ptr<AboutDialog> createAboutDialog(const AboutContext& context);

// Shows the About box modally and destroys it when it closes.
void showAboutBox(const AboutContext& context);

} // namespace erakon
