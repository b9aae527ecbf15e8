// SPDX-License-Identifier: MIT
// Shows the typical controls of the program in one visual style, for looking
// at the styles side by side: style_gallery [--list] [STYLE] [--shot FILE].
// --list prints the style names; --shot saves the window (tooltip and menu
// included) to FILE and quits.
#include "bench/sample_window.h"
#include "styles/style_service.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// The pop-up menu drawn as a plain child so that it shows in a screenshot.
QMenu* embeddedMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setWindowFlags(Qt::Widget);
    menu->addAction(QStringLiteral("ファイル"));
    menu->addAction(QStringLiteral("変換"));
    auto* eto = menu->addAction(QStringLiteral("干支を表示"));
    eto->setCheckable(true);
    eto->setChecked(true);
    menu->addAction(QStringLiteral("該当年を強調表示"))->setCheckable(true);
    menu->addSeparator();
    auto* disabled = menu->addAction(QStringLiteral("ヘルプ表示"));
    disabled->setShortcut(QKeySequence(Qt::Key_F1));
    disabled->setEnabled(false);
    menu->setActiveAction(menu->actions().at(1));
    return menu;
}

QWidget* makeGallery(const QString& styleName)
{
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("Erakon styles: %1").arg(styleName));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* title = new QLabel(styleName, window);
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(4, 2, 4, 4);
    grid->addWidget(erakon::bench::makeSamplePages(1, window), 0, 0);
    grid->addWidget(erakon::bench::makeSamplePages(2, window), 0, 1);
    grid->addWidget(erakon::bench::makeSamplePages(4, window), 1, 0);
    auto* corner = new QHBoxLayout;
    corner->addWidget(embeddedMenu(window), 0, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    auto* normal = new QPushButton(QStringLiteral("変換"), window);
    normal->setObjectName(QStringLiteral("TipButton"));
    normal->setToolTip(QStringLiteral("Convert"));
    buttons->addWidget(normal);
    auto* disabled = new QPushButton(QStringLiteral("明治"), window);
    disabled->setEnabled(false);
    buttons->addWidget(disabled);
    buttons->addStretch();
    corner->addLayout(buttons);
    grid->addLayout(corner, 1, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    layout->addLayout(grid, 1);

    auto* status = new QStatusBar(window);
    status->showMessage(QStringLiteral("令和5年(2023年)5月20日 14:05:09"));
    layout->addWidget(status);
    window->resize(760, 470);
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont font(QStringList{QStringLiteral("Meiryo UI"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    QApplication::setFont(font);

    erakon::StyleService styles;
    QStringList args = QApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("--list"))) {
        QTextStream out(stdout);
        for (const QString& name : styles.names())
            out << name << '\n';
        return 0;
    }
    QString shot;
    const qsizetype shotAt = args.indexOf(QStringLiteral("--shot"));
    if (shotAt >= 0 && shotAt + 1 < args.size()) {
        shot = args.at(shotAt + 1);
        args.remove(shotAt, 2);
    }
    const QString styleName = args.value(0, erakon::StyleService::systemStyleName());
    QString error;
    if (!styles.setActiveStyle(styleName, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QWidget* window = makeGallery(styles.activeName());
    window->move(40, 60);
    window->show();
    auto* tipButton = window->findChild<QPushButton*>(QStringLiteral("TipButton"));
    QTimer::singleShot(300, window, [window, tipButton, shot] {
        QToolTip::showText(tipButton->mapToGlobal(QPoint(tipButton->width() / 2, tipButton->height() + 4)),
                           QStringLiteral("Year Table"), tipButton);
        if (shot.isEmpty())
            return;
        QTimer::singleShot(400, window, [window, shot] {
            const QPoint origin = window->mapToGlobal(QPoint(0, 0));
            const QPixmap pixmap = window->screen()->grabWindow(0, origin.x(), origin.y(), window->width(),
                                                                window->height());
            if (!pixmap.save(shot))
                std::fprintf(stderr, "cannot save %s\n", qPrintable(shot));
            QApplication::quit();
        });
    });
    const int code = QApplication::exec();
    delete window;
    return code;
}
