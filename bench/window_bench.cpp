// SPDX-License-Identifier: MIT
// One keystroke in an era box until the whole conversion page is updated:
// the box's change, the Western year, every other box, the sentence, the
// reset button and the emphasis. Runs on the offscreen platform.
#include "desktop/linux_desktop_platform.h"
#include "styles/style_service.h"
#include "widgets/year_box.h"
#include "window/main_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class SilentMessages final : public erakon::Messages {
public:
    Answer askYesNo(const QString&) override { return Answer::Yes; }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
    void report(const QString&) override {}
    void showError(const QString&) override {}
};

// The main window with a fixed present and no tray, on the Japanese locale.
struct BenchWindow {
    erakon::FixedClock clock{erakon::makeDateTime(2023, 5, 20, 14, 5, 9)};
    SilentMessages messages;
    erakon::StyleService styles;
    erakon::LinuxDesktopPlatform desktop;
    erakon::MainWindow window{{.clock = clock,
                               .messages = messages,
                               .styles = styles,
                               .desktop = desktop,
                               .locale = QLocale(QLocale::Japanese, QLocale::Japan),
                               .trayAvailable = [] { return false; },
                               .errorOutput = {},
                               .settings = std::nullopt,
                               .startYear = std::nullopt}};

    template <typename T>
    T* control(const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
};

void keystrokeInEraBox(benchmark::State& state)
{
    BenchWindow bench;
    erakon::MainWindow& window = bench.window;
    bench.control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
    const erakon::YearBox* westernYearBox = bench.control<erakon::YearBox>("westernYearBox");
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    QLineEdit* edit = bench.control<erakon::YearBox>("reiwaYearBox")->lineEdit();
    edit->setFocus();
    bool up = true;
    for (auto _ : state) {
        // Up and Down in turn keep the year near the present.
        QTest::keyClick(edit, up ? Qt::Key_Up : Qt::Key_Down);
        up = !up;
    }
    if (westernYearBox->intValue() < 2022 || westernYearBox->intValue() > 2024)
        state.SkipWithError("the keystrokes did not reach the Western year");
}
BENCHMARK(keystrokeInEraBox);

void settingTheWesternYear(benchmark::State& state)
{
    BenchWindow bench;
    erakon::YearBox* westernYearBox = bench.control<erakon::YearBox>("westernYearBox");
    int year = 1868;
    for (auto _ : state) {
        westernYearBox->setValue(year);
        year = year == 2117 ? 1868 : year + 1;
    }
}
BENCHMARK(settingTheWesternYear);

} // namespace
