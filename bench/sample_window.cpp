// SPDX-License-Identifier: MIT
#include "bench/sample_window.h"

#include "widgets/reset_button.h"
#include "widgets/year_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace erakon::bench {

namespace {

// The program's own year box, so the sample looks and costs as the window does.
QWidget* yearBox(const QString& text, QWidget* parent)
{
    auto* box = new YearBox(parent);
    box->setText(text);
    return box;
}

QWidget* filePage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* box = new QGroupBox(QStringLiteral("起動ショートカット"), page);
    auto* column = new QVBoxLayout(box);
    for (const char* caption : {"デスクトップに登録", "スタートメニューに登録", "スタートアップに登録"})
        column->addWidget(new QPushButton(QString::fromUtf8(caption), box));
    grid->addWidget(box, 0, 0);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* convertPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* row = new QHBoxLayout;
    auto* era = new QGroupBox(QStringLiteral("和暦"), page);
    era->setToolTip(QStringLiteral("Japanese Era"));
    auto* eraGrid = new QGridLayout(era);
    const char* eras[] = {"明治", "大正", "昭和", "平成", "令和", "任意"};
    const char* years[] = {"156", "112", "98", "35", "5", "2023"};
    for (int i = 0; i < 6; ++i) {
        eraGrid->addWidget(new QLabel(QString::fromUtf8(eras[i]), era), (i / 3) * 2, i % 3);
        eraGrid->addWidget(yearBox(QString::fromUtf8(years[i]), era), (i / 3) * 2 + 1, i % 3);
    }
    auto* western = new QGroupBox(QStringLiteral("西暦"), page);
    auto* westernColumn = new QVBoxLayout(western);
    auto* reset = new ResetButton(western);
    reset->setEnabled(false);
    westernColumn->addWidget(reset, 0, Qt::AlignRight);
    westernColumn->addWidget(yearBox(QStringLiteral("2023"), western));
    westernColumn->addWidget(new QLabel(QStringLiteral("今から"), western));
    westernColumn->addWidget(yearBox(QStringLiteral("0"), western));
    row->addWidget(era, 3);
    row->addWidget(western, 1);
    layout->addLayout(row, 1);
    auto* close = new QPushButton(QStringLiteral("令和5年 干支は 癸卯"), page);
    close->setToolTip(QStringLiteral("Close"));
    layout->addWidget(close);
    return page;
}

QWidget* settingsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* view = new QGroupBox(QStringLiteral("表示"), page);
    auto* viewGrid = new QGridLayout(view);
    const char* boxes[] = {"干支も表示", "強調表示", "ステータスバー", "常に最前面", "元年を追加"};
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(boxes[i]), view);
        box->setChecked(i % 2 == 0);
        viewGrid->addWidget(box, i / 4, i % 4);
    }
    auto* original = new QLineEdit(QStringLiteral("創業"), view);
    original->setEnabled(false);
    original->setAlignment(Qt::AlignCenter);
    viewGrid->addWidget(original, 1, 1);
    viewGrid->addWidget(yearBox(QStringLiteral("1900"), view), 1, 2);
    auto* hints = new QCheckBox(QStringLiteral("Show Hint"), view);
    hints->setEnabled(false);
    viewGrid->addWidget(hints, 1, 3);
    grid->addWidget(view, 0, 0, 1, 2);

    auto* minimize = new QGroupBox(QStringLiteral("最小化時"), page);
    auto* minimizeRow = new QHBoxLayout(minimize);
    auto* taskBar = new QRadioButton(QStringLiteral("タスクバー"), minimize);
    taskBar->setChecked(true);
    minimizeRow->addWidget(taskBar);
    minimizeRow->addWidget(new QRadioButton(QStringLiteral("タスクトレイ"), minimize));
    grid->addWidget(minimize, 1, 0);

    auto* closing = new QGroupBox(QStringLiteral("終了時"), page);
    auto* closingRow = new QHBoxLayout(closing);
    closingRow->addWidget(new QCheckBox(QStringLiteral("確認する"), closing));
    auto* save = new QCheckBox(QStringLiteral("設定を保存"), closing);
    save->setChecked(true);
    closingRow->addWidget(save);
    grid->addWidget(closing, 1, 1);
    return page;
}

QWidget* tablePage()
{
    auto* memo = new QPlainTextEdit;
    memo->setReadOnly(true);
    QString lines;
    for (int year = 2018; year <= 2026; ++year) {
        lines += year < 2019 ? QStringLiteral("平成%1年 %2年\n").arg(year - 1988).arg(year)
                             : QStringLiteral("令和%1年 %2年\n").arg(year - 2018).arg(year);
    }
    memo->setPlainText(lines);
    return memo;
}

QWidget* stylePage()
{
    auto* list = new QListWidget;
    list->setFrameShape(QFrame::NoFrame);
    list->addItems({QStringLiteral("Amakrits"), QStringLiteral("Carbon"), QStringLiteral("Glow"),
                    QStringLiteral("Luna"), QStringLiteral("Sky"), QStringLiteral("Windows"),
                    QStringLiteral("Windows10"), QStringLiteral("Windows10 Dark")});
    list->setCurrentRow(3);
    return list;
}

QWidget* helpPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const char* captions[] = {"ヘルプ表示", "バージョン情報", "プロパティ表示", "開発支援", "ホームページ"};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), page);
        button->setEnabled(i != 3);
        grid->addWidget(button, i, 0);
    }
    grid->setColumnStretch(1, 1);
    return page;
}

} // namespace

QTabWidget* makeSamplePages(int current, QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->addTab(filePage(), QStringLiteral("ファイル"));
    tabs->addTab(convertPage(), QStringLiteral("変換"));
    tabs->addTab(settingsPage(), QStringLiteral("設 定"));
    tabs->addTab(tablePage(), QStringLiteral("早見表"));
    tabs->addTab(stylePage(), QStringLiteral("スタイル"));
    tabs->addTab(helpPage(), QStringLiteral("ヘルプ"));
    tabs->setCurrentIndex(current);
    return tabs;
}

QWidget* makeSampleWindow(QWidget* parent)
{
    auto* window = new QWidget(parent);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeSamplePages(1, window), 1);
    auto* status = new QStatusBar(window);
    status->showMessage(QStringLiteral("令和5年(2023年)5月20日 14:05:09"));
    layout->addWidget(status);
    window->resize(391, 260);
    return window;
}

} // namespace erakon::bench
