#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""End-to-end scenarios of the real erakon program in a private desktop session.

    run_scenario.py --erakon PATH [--platform wayland --weston-input SO] SCENARIO...
                                                  (SCENARIO "all" runs every one)

Each scenario starts the program with its own settings folder, drives it with
the keyboard and mouse, reads what the window shows through the accessibility
tree, and checks the settings file the program leaves behind. Under X11 (the
default) the session is Xvfb with openbox; under Wayland it is weston's headless
backend, where the program is driven through AT-SPI and weston's test seat."""

import argparse
import glob
import importlib.util
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

sys.dont_write_bytecode = True   # keep the source tree clean

import desktop_session
from desktop_session import DesktopSession, check, check_equal, keep_evidence, wait_until
import accessible_ui
from accessible_ui import RunningProgram, has_state, text_of
import wayland_session
from wayland_session import WaylandSession
from wayland_ui import WaylandProgram
from status_notifier import StatusNotifierHost
from settings_ini import read_ini, write_ini

# A whole scenario, session included, never takes longer.
SCENARIO_TIME_LIMIT = 100

ERA_OFFSETS = {"明治": 1867, "大正": 1911, "昭和": 1925, "平成": 1988, "令和": 2018}


def current_year():
    # The program's clock runs in the session's time zone.
    os.environ["TZ"] = "Asia/Tokyo"
    time.tzset()
    return time.localtime().tm_year


def atspi():
    """pyatspi, loaded once the session's accessibility bus exists."""
    return accessible_ui.pyatspi


class Scenario:
    def __init__(self, session, executable, manual=None, program_env=None, shots=None, label=None, companions=None):
        self.session = session
        self.executable = executable
        # The programs beside the window: erakon_cli, search_provider, and the search
        # service's bus name and object path.
        self.companions = companions or {}
        self.manual = manual
        # Added to every start's environment (QT_SCALE_FACTOR).
        self.program_env = program_env or {}
        # Where every_page saves its pictures, and the first part of their names.
        self.shots = shots
        self.label = label
        self.config_home = tempfile.mkdtemp(prefix="config-", dir=session.root)

    @property
    def ini_path(self):
        return os.path.join(self.config_home, "Harunagi", "erakon", "erakon.ini")

    def prepare_ini(self, sections):
        os.makedirs(os.path.dirname(self.ini_path), exist_ok=True)
        write_ini(self.ini_path, sections)

    def ini(self):
        check(os.path.exists(self.ini_path), f"no settings file at {self.ini_path}")
        return read_ini(self.ini_path)

    @property
    def wayland(self):
        return self.session.platform == "wayland"

    def start(self, extra_env=None, shown=True):
        """Starts the program; waits until its window is shown, or (shown=False) until it is
        in the accessibility tree."""
        kind = WaylandProgram if self.wayland else RunningProgram
        program = kind(self.session, self.executable, self.config_home, {**self.program_env, **(extra_env or {})})
        if shown:
            program.main_window(timeout=30)
        else:
            program.application()
        return program

    def close_with_escape(self, program):
        """Esc closes the window from any control, as the menu's close command does."""
        program.activate()
        program.key("Escape")
        check_equal(program.wait_for_exit(), 0, "exit status")


# --- scenarios ---

def first_start(s):
    """No settings file: the current year, defaults everywhere; the close writes them."""
    year = current_year()
    program = s.start()
    program.wait_year_text("西暦", str(year))
    check_equal(program.year_text("今から"), "+0", "今から at start")
    for era, offset in ERA_OFFSETS.items():
        check_equal(program.year_text(era), str(year - offset), f"{era} at start")
    check_equal(program.current_page(), "変換", "page at start")
    reset = program.find(atspi().ROLE_PUSH_BUTTON, "Reset to Now")
    check(not has_state(reset, atspi().STATE_ENABLED), "the reset button is enabled in the current year")
    check_equal(program.year_box("西暦").description, "A.D.", "hint of the Western year box")

    program.open_page("設 定")
    expected_checks = {"干支も表示": False, "強調表示": False, "ステータスバー": False, "常に最前面": False,
                       "元年を追加": False, "Show Hint": False, "確認する": False, "設定を保存": True}
    for name, checked in expected_checks.items():
        check_equal(program.is_checked(program.check_box(name)), checked, f"{name} checked at start")
    taskbar = program.find(atspi().ROLE_RADIO_BUTTON, "タスクバー")
    check(program.is_checked(taskbar), "minimising goes to the taskbar by default")

    program.open_page("変換")
    s.close_with_escape(program)
    ini = s.ini()
    check_equal(list(ini), ["PROGRAM", "POSITION", "OPTION"], "sections of a new settings file")
    option = ini["OPTION"]
    for key, value in {"ShowEto": "0", "StatusBar": "0", "StayOnTop": "0", "ShowBold": "0", "AddItem": "0",
                       "AddName": "創業", "ShowHint": "0", "AddYear": "1880", "Minimize": "0",
                       "CloseQuery": "0", "SaveStatus": "1", "StyleName": "Windows"}.items():
        check_equal(option.get(key), value, f"OPTION {key}")
    program_section = ini["PROGRAM"]
    check_equal(program_section.get("Version"), "V3.3", "PROGRAM Version")
    check_equal(program_section.get("Name"), os.path.basename(s.executable), "PROGRAM Name")
    check_equal(os.path.realpath(program_section.get("Path", "")), os.path.realpath(os.path.dirname(s.executable)),
                "PROGRAM Path")
    check_equal(os.path.realpath(program_section.get("IniFile", "")), os.path.realpath(s.ini_path), "PROGRAM IniFile")
    # The window was left where the defaults put it: the middle third of a
    # 1280 x 800 screen, and the close stores that same place. Under Wayland the
    # compositor places the window and tells nobody where: only the size is
    # checked here (keeps_place_under_wayland checks the place).
    position = ini["POSITION"]
    if s.wayland:
        size = (int(position["Right"]) - int(position["Left"]), int(position["Bottom"]) - int(position["Top"]))
        check_equal(size, (426, 266), "POSITION size")
        check_equal(position.get("State"), "0", "POSITION State")
    else:
        for key, value in {"Left": "426", "Top": "266", "Right": "852", "Bottom": "532", "State": "0"}.items():
            check_equal(position.get(key), value, f"POSITION {key}")
    check(not os.path.exists(fallback_ini(s.executable)), "a settings file was written beside the program")


def era_and_distance_boxes(s):
    """Typing into an era box or the distance box moves every other box; the reset button returns."""
    year = current_year()
    program = s.start()
    program.replace_text("令和", "1")
    program.wait_year_text("西暦", "2019")
    check_equal(program.year_text("平成"), "31", "平成 for 令和 1")
    check_equal(program.year_text("明治"), "152", "明治 for 令和 1")
    check_equal(program.year_text("今から"), f"{2019 - year:+d}", "今から for 令和 1")

    program.replace_text("今から", "-100")
    program.wait_year_text("西暦", str(year - 100))
    check_equal(program.year_text("令和"), str(year - 100 - 2018), "令和 100 years ago")
    check_equal(program.year_text("今から"), "-100", "今から while typed")

    reset = program.find(atspi().ROLE_PUSH_BUTTON, "Reset to Now")
    check(has_state(reset, atspi().STATE_ENABLED), "the reset button is disabled away from the current year")
    program.click(reset)
    program.wait_year_text("西暦", str(year))
    # The reset button takes no focus: 今から keeps it and shows its plain text
    # until the focus leaves.
    program.wait_year_text("今から", "0")
    program.focus(program.year_box("西暦"))
    program.wait_year_text("今から", "+0")
    s.close_with_escape(program)


def expression_with_enter(s):
    """An expression in the Western year box is worked out by Enter."""
    program = s.start()
    program.replace_text("西暦", "1989+5")
    program.wait_year_text("西暦", "1989+5")   # the expression stands as typed
    program.key("Return")
    program.wait_year_text("西暦", "1994")
    check_equal(program.year_text("平成"), "6", "平成 for 1994")
    check_equal(program.year_text("昭和"), "69", "昭和 for 1994")
    s.close_with_escape(program)


def close_question(s):
    """With the close question on, No keeps the window and Yes ends the program and saves."""
    s.prepare_ini({"OPTION": {"CloseQuery": "1"}})
    with open(s.ini_path, "rb") as file:
        prepared = file.read()
    program = s.start()
    program.focus(program.year_box("西暦"))

    program.key("Escape")
    program.wait_for_question("終了してよいですか？")
    check(program.process.poll() is None, "the program ended before the question was answered")
    program.key("alt+n")   # the No button's mnemonic
    wait_until(lambda: not program.question_shown(), 15, "the question to go away")
    program.main_window()
    check(program.process.poll() is None, "answering No ended the program")
    with open(s.ini_path, "rb") as file:
        check(file.read() == prepared, "answering No wrote the settings")

    program.focus(program.year_box("西暦"))
    program.key("Escape")
    program.wait_for_question("終了してよいですか？")
    program.key("Return")   # Yes is the default button
    check_equal(program.wait_for_exit(), 0, "exit status")
    ini = s.ini()
    check_equal(ini.get("OPTION", {}).get("CloseQuery"), "1", "OPTION CloseQuery after the close")
    check("LastClose" in ini.get("PROGRAM", {}), "PROGRAM LastClose written on close")


def minimise_to_tray(s):
    """Minimising with the tray option hides the window behind a tray icon; a click brings it back."""
    s.prepare_ini({"OPTION": {"Minimize": "1"}})
    program = s.start()
    check(program.is_checked(program.find(atspi().ROLE_RADIO_BUTTON, "タスクトレイ")), "タスクトレイ from the file")
    window_id = program.main_window_id()
    program.xdotool("windowminimize", window_id)
    wait_until(lambda: not program.main_window_shown(), 15, "the window to leave the screen")
    icon = wait_until(program.tray_icon_window, 15, "the tray icon")

    program.click_window(icon)
    program.main_window()
    wait_until(lambda: program.tray_icon_window() is None, 15, "the tray icon to go away")
    check(program.is_checked(program.find(atspi().ROLE_RADIO_BUTTON, "タスクトレイ")), "タスクトレイ after restoring")
    s.close_with_escape(program)
    check_equal(s.ini()["OPTION"].get("Minimize"), "1", "OPTION Minimize")


def tray_icon_hint_with_hints_off(s):
    """The tray icon's hint "Erakon" is the panel's, not a control's: it shows with Show Hint off."""
    s.prepare_ini({"OPTION": {"Minimize": "1", "ShowHint": "0"}})
    program = s.start()
    program.xdotool("windowminimize", program.main_window_id())
    wait_until(lambda: not program.main_window_shown(), 15, "the window to leave the screen")
    icon = wait_until(program.tray_icon_window, 15, "the tray icon")

    # The first hover over an icon just taken into the tray can go unnoticed;
    # the pointer moves over it again until the hint comes.
    def hint_after_hovering():
        program.hover_window(icon)
        try:
            return wait_until(lambda: program.tooltip_shown("Erakon"), 3, "the hint")
        except TimeoutError:
            return False
    wait_until(hint_after_hovering, 15, "the tray icon's hint")

    program.click_window(icon)
    program.main_window()
    s.close_with_escape(program)


def setting_survives_restart(s):
    """A check box clicked on the settings page is saved at close and shown at the next start."""
    program = s.start()
    program.open_page("設 定")
    eto = program.check_box("干支も表示")
    check(not program.is_checked(eto), "干支も表示 checked at first start")
    program.click(eto)
    wait_until(lambda: program.is_checked(program.check_box("干支も表示")), 15, "干支も表示 to be checked")
    # The window manager's close (its close box, Alt+F4) takes the same way out as Esc.
    check_equal(program.close_by_window_manager(), 0, "exit status")
    check_equal(s.ini()["OPTION"].get("ShowEto"), "1", "OPTION ShowEto")

    program = s.start()
    program.open_page("設 定")
    check(program.is_checked(program.check_box("干支も表示")), "干支も表示 after the restart")
    s.close_with_escape(program)


def terminate_saves_settings(s):
    """SIGTERM (a logout without a session manager) ends the program as the end of a
    session does: the close question is skipped and the settings are written."""
    s.prepare_ini({"OPTION": {"CloseQuery": "1"}})
    program = s.start()
    program.open_page("設 定")
    program.click(program.check_box("干支も表示"))
    wait_until(lambda: program.is_checked(program.check_box("干支も表示")), 15, "干支も表示 to be checked")
    program.process.send_signal(signal.SIGTERM)
    check_equal(program.wait_for_exit(), 0, "exit status")
    option = s.ini()["OPTION"]
    check_equal(option.get("ShowEto"), "1", "OPTION ShowEto")
    check_equal(option.get("CloseQuery"), "1", "OPTION CloseQuery")


def make_settings_unwritable(s, option):
    """A settings file without write permission: every close fails to write it (root included)."""
    s.prepare_ini({"OPTION": option})
    os.chmod(s.ini_path, 0o444)
    with open(s.ini_path, "rb") as file:
        return file.read()


def check_error_reported(program, s, prepared):
    output = program.output()
    check("erakon: Cannot" in output and s.ini_path in output,
          f"the error is not on standard error: {output!r}")
    with open(s.ini_path, "rb") as file:
        check(file.read() == prepared, "the unwritable settings file changed")


def terminate_with_unwritable_settings(s):
    """SIGTERM while the settings file cannot be written: nothing is asked, the error goes to
    standard error, and the program ends with a failure status."""
    prepared = make_settings_unwritable(s, {"CloseQuery": "1"})
    program = s.start()
    program.process.send_signal(signal.SIGTERM)
    check_equal(program.wait_for_exit(), 1, "exit status")
    check_error_reported(program, s, prepared)


def terminate_during_close_error(s):
    """SIGTERM while a close shows that the settings could not be written: the program ends
    instead of stacking a second error box."""
    prepared = make_settings_unwritable(s, {"ShowEto": "1"})
    program = s.start()
    program.activate()
    program.key("Escape")
    wait_until(program.question_shown, 15, "the close's error box")
    program.process.send_signal(signal.SIGTERM)
    check_equal(program.wait_for_exit(), 1, "exit status")
    check_error_reported(program, s, prepared)


def tray_goes_away(s):
    """The tray host ends while the window is hidden in the tray: the window comes back."""
    s.prepare_ini({"OPTION": {"Minimize": "1"}})
    program = s.start()
    window_id = program.main_window_id()
    program.xdotool("windowminimize", window_id)
    wait_until(lambda: not program.main_window_shown(), 15, "the window to leave the screen")
    wait_until(program.tray_icon_window, 15, "the tray icon")

    s.session.stop(s.session.tray)
    program.main_window()
    state = s.session.run(["xprop", "-id", program.main_window_id(), "_NET_WM_STATE"]).stdout
    check("_NET_WM_STATE_HIDDEN" not in state, f"the window came back minimised: {state.strip()}")
    s.close_with_escape(program)
    check_equal(s.ini()["OPTION"].get("Minimize"), "1", "OPTION Minimize")


def lost_window_comes_back_on_screen(s):
    """A stored place beyond the screen's right edge, with no width: the window, at its real
    (minimum) size, comes onto the 1280 x 800 screen with its title bar. The place is chosen
    before the window manager's frame is known, so only the frame's borders may stand over."""
    s.prepare_ini({"POSITION": {"Left": "2000", "Right": "2000"}})
    program = s.start()
    window_id = program.main_window_id()
    size = dict(line.split("=", 1) for line in program.xdotool("getwindowgeometry", "--shell", window_id).split())
    x, y, width, height = (int(size[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
    extents = s.session.run(["xprop", "-id", window_id, "_NET_FRAME_EXTENTS"]).stdout
    left, right, top, bottom = (int(value) for value in extents.split("=")[1].split(","))
    on_screen = (x - left >= 0 and y - top >= 0
                 and x + width - 1280 <= left + right and y + height - 800 <= top + bottom)
    check(on_screen, f"the window at {x},{y} {width}x{height} (frame {left},{right},{top},{bottom}) "
                     "is not on the screen")
    s.close_with_escape(program)


def no_display(s):
    """Without a display (none named, or one that no server answers) the program says in one
    line that it needs a graphical desktop session and ends with status 1."""
    free = next(n for n in range(900, 1000) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    base = {k: v for k, v in s.session.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    base["XDG_CONFIG_HOME"] = s.config_home
    for display in (None, f":{free}"):
        env = dict(base, **({"DISPLAY": display} if display else {}))
        result = subprocess.run([s.executable], env=env, stdin=subprocess.DEVNULL, capture_output=True,
                                text=True, timeout=30)
        check_equal(result.returncode, 1, f"exit status with DISPLAY={display}")
        lines = (result.stdout + result.stderr).splitlines()
        check(len(lines) == 1 and "graphical desktop session" in lines[0] and "DISPLAY" in lines[0]
              and "WAYLAND_DISPLAY" in lines[0], f"the message with DISPLAY={display}: {lines!r}")
    check(not os.path.exists(s.ini_path), "a settings file was written without a window")


def unusable_platform(s):
    """A Qt platform that cannot show the window (no plugin of the name, the last of two
    -platform options naming none, eglfs without a DRM device, linuxfb without a frame
    buffer) gives the same one line and status 1 as a session without a display, with the
    session's display right there: never an abort or a crash."""
    env = dict(s.session.env, XDG_CONFIG_HOME=s.config_home)
    env.pop("QT_QPA_PLATFORM", None)
    starts = [(["-platform", "garbage"], {}),
              ([], {"QT_QPA_PLATFORM": "garbage"}),
              (["-platform", "xcb", "-platform", "garbage"], {})]
    if not any(os.path.exists(p) for p in ("/dev/dri/card0", "/dev/dri/card1")):
        starts.append((["-platform", "eglfs"], {}))
    if not os.path.exists("/dev/fb0"):
        starts.append((["-platform", "linuxfb"], {}))
    for arguments, extra in starts:
        what = " ".join([*(f"{k}={v}" for k, v in extra.items()), "erakon", *arguments])
        result = subprocess.run([s.executable, *arguments], env=dict(env, **extra), stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=30)
        check_equal(result.returncode, 1, f"exit status of {what}")
        lines = (result.stdout + result.stderr).splitlines()
        check(len(lines) == 1 and "graphical desktop session" in lines[0] and "DISPLAY" in lines[0]
              and "WAYLAND_DISPLAY" in lines[0], f"the message of {what}: {lines!r}")
    check(not os.path.exists(s.ini_path), "a settings file was written without a window")


def switch_stay_on_top_on(program):
    program.open_page("設 定")
    program.click(program.check_box("常に最前面"))
    wait_until(lambda: program.is_checked(program.check_box("常に最前面")), 15, "常に最前面 to be checked")
    wait_until(program.stays_on_top, 15, "the window manager to keep the window on top")


def stay_on_top_survives_restart(s):
    """Stay-on-top reaches the window manager at once, is saved, and is on again at the next start."""
    program = s.start()
    check(not program.stays_on_top(), "the window stays on top at first start")
    switch_stay_on_top_on(program)
    program.open_page("変換")
    program.click(program.find(atspi().ROLE_PUSH_BUTTON, description="Close"))
    check_equal(program.wait_for_exit(), 0, "exit status")
    check_equal(s.ini()["OPTION"].get("StayOnTop"), "1", "OPTION StayOnTop")

    program = s.start()
    wait_until(program.stays_on_top, 15, "the window on top after the restart")
    program.open_page("設 定")
    check(program.is_checked(program.check_box("常に最前面")), "常に最前面 after the restart")
    s.close_with_escape(program)


def stay_on_top_keeps_the_place(s):
    """A window stored on top opens exactly at its stored place: three starts and closes leave it there."""
    place = {"Left": "300", "Top": "300", "Right": "700", "Bottom": "600"}
    s.prepare_ini({"POSITION": {**place, "State": "0"}, "OPTION": {"StayOnTop": "1"}})
    for round in range(1, 4):
        program = s.start()
        wait_until(program.stays_on_top, 15, f"the window on top at start {round}")
        s.close_with_escape(program)
        position = s.ini()["POSITION"]
        check_equal({key: position.get(key) for key in place}, place, f"POSITION after close {round}")


def stay_on_top_keeps_input(s):
    """After stay-on-top is switched on or off, the window is still the active one and takes the keyboard."""
    program = s.start()
    switch_stay_on_top_on(program)
    wait_until(lambda: has_state(program.main_window(), atspi().STATE_ACTIVE), 15, "the window to be active again")
    program.open_page("変換")
    program.replace_text("令和", "1")
    program.wait_year_text("西暦", "2019")

    program.open_page("設 定")
    program.click(program.check_box("常に最前面"))
    wait_until(lambda: not program.stays_on_top(), 15, "the window manager to let the window go under")
    wait_until(lambda: has_state(program.main_window(), atspi().STATE_ACTIVE), 15, "the window to be active again")
    program.open_page("変換")
    program.replace_text("令和", "2")
    program.wait_year_text("西暦", "2020")
    s.close_with_escape(program)


def style_survives_restart(s):
    """A style clicked in the style list is saved at close and active at the next start."""
    program = s.start()
    program.open_page("スタイル")
    windows = program.find(atspi().ROLE_LIST_ITEM, "Windows")
    check(has_state(windows, atspi().STATE_SELECTED), "Windows selected on the style page at first start")
    carbon = program.scroll_into_view(program.find(atspi().ROLE_LIST), "Carbon")
    program.click(carbon)
    wait_until(lambda: has_state(program.find(atspi().ROLE_LIST_ITEM, "Carbon"), atspi().STATE_SELECTED), 15,
               "Carbon to be selected")
    s.close_with_escape(program)
    check_equal(s.ini()["OPTION"].get("StyleName"), "Carbon", "OPTION StyleName")

    program = s.start()
    program.open_page("スタイル")
    wait_until(lambda: has_state(program.find(atspi().ROLE_LIST_ITEM, "Carbon"), atspi().STATE_SELECTED), 15,
               "Carbon to be selected after the restart")
    check(not has_state(program.find(atspi().ROLE_LIST_ITEM, "Windows"), atspi().STATE_SELECTED),
          "Windows still selected after the restart")
    s.close_with_escape(program)


def table_double_click(s):
    """A double-click on a line of the year table carries its year back to the conversion page."""
    year = current_year()
    program = s.start()
    program.replace_text("西暦", "2000")
    program.key("Return")
    program.open_page("早見表")
    memo = program.find(atspi().ROLE_TEXT, description="Year Table")
    wait_until(lambda: "\t2000年\t" in text_of(memo), 15, "the year table")
    check("\t2000年\t" in selected_text(memo), "the line of the year in the box is selected")
    check(f"\t{year}年\t-----\t" in text_of(memo), "the current year's line has no distance")

    # A line a quarter down the view: above the selected line, which stands in the middle.
    x, y, width, height = accessible_ui.extents(memo)
    program.click_at(x + width // 8, y + height // 4, clicks=2)
    wait_until(lambda: program.current_page() == "変換", 15, "the conversion page")
    line = selected_text(memo)
    fields = line.split("\t")
    check(len(fields) >= 4 and fields[1].endswith("年"), f"the double-clicked line is a table line: {line!r}")
    carried = int(fields[1][:-1])
    check(1868 <= carried < 2000, f"the double-clicked line lies above the selected one: {line!r}")
    program.wait_year_text("西暦", str(carried))
    check_equal(program.year_text("今から"), f"{carried - year:+d}", "今から for the year carried back")
    s.close_with_escape(program)


def table_rows(table):
    """The rows of a table as its cells' texts, read through the accessibility tree."""
    cells = table.queryTable()
    return [[(cells.getAccessibleAt(row, column).name or "") for column in range(cells.nColumns)]
            for row in range(cells.nRows)]


def type_over(s, program, node, text):
    """Types text over a text box's content: keys under X11; under Wayland through
    EditableText, as a screen reader or an input method puts it."""
    program.focus(node)
    if s.wayland:
        check(node.queryEditableText().setTextContents(text), f"{node.name!r} refused the text {text!r}")
    else:
        program.key("ctrl+a")
        program.type(text)


def age_page_rows(s):
    """The age page starts at the conversion page's year, both school cohorts; a birth date
    typed gives its age today and its school years, read from the table's rows."""
    current_year()   # the program's time zone, for today's age
    program = s.start()
    program.replace_text("西暦", "1989")
    program.key("Return")
    program.wait_year_text("平成", "1")
    program.open_page("年齢")
    birth = program.find(atspi().ROLE_TEXT, "生年月日")
    check_equal(text_of(birth), "1989", "the birth year from the conversion page")
    table = program.find(atspi().ROLE_TABLE, "年齢")
    rows = wait_until(lambda: table_rows(table) or None, 15, "the rows of a year alone")
    check_equal(rows[0][:3], ["生まれた年", "昭和64年・平成元年", "1989年"], "the first row")
    labels = [row[0] for row in rows]
    check("〔4月2日〜12月31日生まれ〕" in labels and "〔1月1日〜4月1日生まれ〕" in labels,
          f"both school cohorts: {labels}")

    type_over(s, program, birth, "1989-04-02")
    wait_until(lambda: table_rows(table)[0][:3] == ["生年月日", "平成元年4月2日", "1989年4月2日"], 15,
               "the rows of the date typed")
    rows = {row[0]: row[1:3] for row in table_rows(table)}
    today = time.localtime()
    age = today.tm_year - 1989 - (1 if (today.tm_mon, today.tm_mday) < (4, 2) else 0)
    check_equal(rows.get("満年齢", [""])[0], f"{age}歳", "満年齢 today")
    check_equal(rows.get("小学校 入学"), ["平成8年4月", "1996年4月"], "小学校 入学")
    check_equal(rows.get("大学 卒業"), ["平成24年3月", "2012年3月"], "大学 卒業")
    check_equal(rows.get("還暦（満60歳・数え61歳）"), ["令和31年", "2049年"], "還暦")
    s.close_with_escape(program)


def help_opens_manual(s):
    """ヘルプ表示 and F1 hand the user's manual beside the program to the desktop's browser,
    here a stand-in xdg-open that writes down what it is asked to open."""
    check(s.manual is not None, "the scenario needs --manual")
    index = os.path.join(os.path.realpath(s.manual), "index.html")
    check(os.path.isfile(index), f"no manual at {index}")
    stub_folder = os.path.join(s.session.root, "stub-bin")
    requests = os.path.join(s.session.root, "browser-requests")
    os.makedirs(stub_folder)
    stub = os.path.join(stub_folder, "xdg-open")
    with open(stub, "w") as file:
        file.write(f"#!/bin/sh\nprintf '%s\\n' \"$*\" >> '{requests}'\n")
    os.chmod(stub, 0o755)

    def asked():
        if not os.path.exists(requests):
            return []
        with open(requests) as file:
            return file.read().splitlines()

    program = s.start(extra_env={"PATH": stub_folder + os.pathsep + os.environ.get("PATH", "")})
    expected = pathlib.Path(index).as_uri()
    program.open_page("ヘルプ")
    program.click(program.find(atspi().ROLE_PUSH_BUTTON, "ヘルプ表示"))
    wait_until(lambda: asked() == [expected], 15, f"the browser to be asked for {expected}")
    check(not program.question_shown(), "a message was shown besides the manual")

    # F1 does the same from any page.
    program.open_page("変換")
    program.focus(program.year_box("西暦"))
    program.key("F1")
    wait_until(lambda: asked() == [expected, expected], 15, "the browser to be asked again after F1")
    check(not program.question_shown(), "a message was shown after F1")
    s.close_with_escape(program)


def program_in_folder_not_utf8(s):
    """Started from a folder whose name is not UTF-8, for which Qt gives no program
    path: the settings keep the program's name, and the record names the program
    and its folder (the odd byte shown as U+FFFD)."""
    folder = os.path.join(os.fsencode(s.session.root), b"bad\xff")
    os.makedirs(folder)
    executable = os.path.join(folder, b"erakon")
    shutil.copy2(os.fsencode(s.executable), executable)
    program = RunningProgram(s.session, executable, s.config_home)
    program.main_window(timeout=30)
    s.close_with_escape(program)

    check_equal(os.listdir(os.path.join(s.config_home, "Harunagi")), ["erakon"], "folders of the settings")
    record = s.ini()["PROGRAM"]
    check_equal(record.get("Name"), "erakon", "PROGRAM Name")
    shown_folder = os.path.realpath(s.session.root) + "/bad\ufffd"
    check_equal(record.get("Path"), shown_folder, "PROGRAM Path")
    check_equal(os.path.realpath(record.get("IniFile", "")), os.path.realpath(s.ini_path), "PROGRAM IniFile")
    check_equal(os.listdir(folder), [b"erakon"], "files beside the program")


def to_tray_by_status_notifier(s, program, host):
    """Takes the window to the tray, where a StatusNotifierWatcher shows its icon; returns
    the item. Under X11 the window manager minimises the window. Under Wayland nothing
    outside the program can minimise it so that it learns of it (see
    minimise_to_tray_under_wayland), so the program starts again, minimised by its settings."""
    if s.wayland:
        # Ended as a session's end ends it: no close question, the settings saved.
        program.process.send_signal(signal.SIGTERM)
        check_equal(program.wait_for_exit(), 0, "exit status")
        ini = s.ini()
        s.prepare_ini({**ini, "POSITION": {**ini.get("POSITION", {}), "State": "1"}})
        program = s.start(shown=False)
    else:
        program.minimise()
    wait_until(lambda: not program.main_window_shown(), 15, "the window to go to the tray")
    return program, host.wait_for_item(program.process.pid)


def status_notifier_item(s):
    """With a StatusNotifierWatcher on the bus (KDE Plasma, Ubuntu, Wayland panels), the tray
    icon is a StatusNotifierItem: it has the program's icon, the tooltip "Erakon" and the tray
    menu's items, enabled, over dbusmenu; Activate (a left click) restores the window, and 終了
    goes through the close path."""
    s.prepare_ini({"OPTION": {"Minimize": "1", "CloseQuery": "1"}})
    program = s.start()
    host = StatusNotifierHost(s.session.env)
    check(host.item_of_process(program.process.pid) is None, "a tray icon while the window is shown")
    program, item = to_tray_by_status_notifier(s, program, host)

    properties = item.properties()
    menu = [entry for entry in item.menu_items() if entry.visible and not entry.separator]
    print(f"e2e: the item {item.address}: "
          f"{ {key: str(properties.get(key)) for key in ('Id', 'Title', 'Status', 'Category', 'IconName')} }, "
          f"icon sizes {item.icon_pixmaps()}, tooltip {item.tooltip_title()!r}, menu {menu}")
    check(str(properties.get("IconName", "")) != "" or item.icon_pixmaps(), "the item has no icon")
    check_equal(item.tooltip_title(), "Erakon", "the item's tooltip")
    check_equal([(entry.label.split("\t")[0], entry.enabled) for entry in menu],
                [("元の大きさに戻す", True), ("終了", True)], "the item's menu")

    item.activate()
    program.main_window()
    host.wait_for_no_item(program.process.pid)
    check(program.is_checked(program.find(atspi().ROLE_RADIO_BUTTON, "タスクトレイ")), "タスクトレイ after restoring")

    program, item = to_tray_by_status_notifier(s, program, host)
    close = next(entry for entry in item.menu_items() if entry.label.startswith("終了"))
    item.click_menu_item(close)
    # The close path asks its question (CloseQuery=1) and, answered yes, saves.
    question = program.wait_for_question("終了してよいですか？")
    # Qt's button text: はい with a Japanese locale, Yes where the machine has none.
    yes = next(node for node in accessible_ui._walk(question)
               if node.getRole() == atspi().ROLE_PUSH_BUTTON and node.name.startswith(("はい", "Yes")))
    program.action(yes, "Press")
    check_equal(program.wait_for_exit(), 0, "exit status")
    ini = s.ini()
    print(f"e2e: stored after 終了 from the tray: {ini.get('POSITION')}")
    check("LastClose" in ini.get("PROGRAM", {}), "PROGRAM LastClose written on close")
    check_equal(ini["OPTION"].get("Minimize"), "1", "OPTION Minimize")
    host.close()


def status_notifier_item_texts(s):
    """The StatusNotifierItem's title is "Erakon", as its tooltip, and its menu items read
    exactly as the tray menu's (no key hint after a tab: a panel shows labels as they come)."""
    s.prepare_ini({"OPTION": {"Minimize": "1"}})
    program = s.start()
    host = StatusNotifierHost(s.session.env)
    program, item = to_tray_by_status_notifier(s, program, host)
    menu = [entry for entry in item.menu_items() if entry.visible and not entry.separator]
    shown = {"title": str(item.property("Title")), "tooltip": item.tooltip_title(),
             "menu": [entry.label for entry in menu]}
    check_equal(shown, {"title": "Erakon", "tooltip": "Erakon", "menu": ["元の大きさに戻す", "終了"]},
                "the StatusNotifierItem's texts")
    item.activate()
    program.main_window()
    s.close_with_escape(program)
    host.close()


def starts_minimised_in_the_tray(s):
    """Started minimised (State=1) with the tray choice, the program shows one tray icon and
    keeps it: the StatusNotifierItem registers once and stays while the window is hidden."""
    s.prepare_ini({"POSITION": {"State": "1"}, "OPTION": {"Minimize": "1"}})
    program = s.start(shown=False)
    host = StatusNotifierHost(s.session.env)
    item = host.wait_for_item(program.process.pid)
    time.sleep(5)
    check(not program.main_window_shown(), "the window came back by itself")
    still = host.item_of_process(program.process.pid)
    check_equal(still.address if still else None, item.address, "the tray icon after 5 s")
    with open(os.path.join(s.session.root, "status-notifier-watcher.log")) as log:
        registered = [line for line in log.read().splitlines() if line.startswith("registered")]
    check_equal(len(registered), 1, f"registrations of the tray icon ({registered})")
    item.activate()
    program.main_window()
    s.close_with_escape(program)
    host.close()


def minimise_to_tray_under_wayland(s):
    """xdg-shell tells a client nothing when the compositor minimises it, and Qt on weston
    reports no state change, so the title bar's minimise button cannot take the window to
    the tray. The window's menu offers "トレイに隠す" instead: with the tray choice it takes
    the window off the screen into a StatusNotifierItem, whose activation brings it back.
    The item is the menu's last, where the window's menu has it under Wayland."""
    s.prepare_ini({"OPTION": {"Minimize": "1"}})
    program = s.start()
    host = StatusNotifierHost(s.session.env)
    program.choose_last_item_of_window_menu()
    wait_until(lambda: not s.session.toplevels(program.process.pid), 15, "the window to leave the screen")
    item = host.wait_for_item(program.process.pid)
    check(not program.main_window_shown(), "the window still counts as shown")
    item.activate()
    program.main_window()
    s.close_with_escape(program)
    host.close()


def keeps_place_under_wayland(s):
    """Under Wayland the program can neither place its window nor learn where it is: a close
    keeps the stored Left/Top and stores the size from there, so that the X11 place stays for
    the next X11 session. A setting changed meanwhile is saved as always."""
    place = {"Left": "300", "Top": "200", "Right": "760", "Bottom": "500"}
    s.prepare_ini({"POSITION": {**place, "State": "0"}})
    for round in (1, 2):
        program = s.start()
        program.open_page("設 定")
        eto = program.check_box("干支も表示")
        check_equal(program.is_checked(eto), round == 2, f"干支も表示 at start {round}")
        if round == 1:
            program.click(eto)
            wait_until(lambda: program.is_checked(program.check_box("干支も表示")), 15, "干支も表示 to be checked")
        check_equal(program.close_by_window_manager(), 0, "exit status")
        check_equal(s.ini()["OPTION"].get("ShowEto"), "1", "OPTION ShowEto")
        position = s.ini()["POSITION"]
        check_equal({key: position.get(key) for key in place}, place, f"POSITION after close {round}")


# The pages in the order of their tabs, with the names of their pictures.
PAGES = {"ファイル": "file", "変換": "conversion", "設 定": "settings", "早見表": "table", "年齢": "age",
         "スタイル": "styles", "ヘルプ": "help"}


def shoot(s, program, name):
    """Saves the part of the screen that holds the program's windows (frames included),
    as the user sees it, when the scenario was given a folder for pictures."""
    if not s.shots:
        return
    os.makedirs(s.shots, exist_ok=True)
    time.sleep(0.5)   # the last repaint
    whole = os.path.join(s.session.root, "screen.png")
    check(s.session.screenshot(whole), "no screenshot")
    boxes = program.screen_boxes()
    margin = 8
    left = max(0, min(x for x, _, _, _ in boxes) - margin)
    top = max(0, min(y for _, y, _, _ in boxes) - margin)
    right = max(x + w for x, _, w, _ in boxes) + margin
    bottom = max(y + h for _, y, _, h in boxes) + margin
    path = os.path.join(s.shots, f"{s.label}-{name}.png" if s.label else f"{name}.png")
    cropped = subprocess.run(["convert", whole, "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                              "-strip", path], capture_output=True, text=True)
    check(cropped.returncode == 0, f"convert failed: {cropped.stderr.strip()}")
    print(f"e2e: {path}")


def every_page(s):
    """At first start every page opens and the window stands whole on the screen, and the
    About box opens from the help page and closes with Esc. Given a folder (--shots), each is
    saved as a picture, so that a person can look at them at each scale."""
    program = s.start()
    for caption, name in PAGES.items():
        program.open_page(caption)
        shoot(s, program, name)
    boxes = program.screen_boxes()
    width, height = s.session.screen
    for x, y, w, h in boxes:
        check(x >= 0 and y >= 0 and x + w <= width and y + h <= height,
              f"the window at {x},{y} {w}x{h} is not whole on the {width}x{height} screen")

    program.open_page("ヘルプ")
    program.click(program.find(atspi().ROLE_PUSH_BUTTON, "バージョン情報"))

    def about_box():
        # The window with the OK button: its role and title are the main window's.
        for window in program.windows():
            if any(node.getRole() == atspi().ROLE_PUSH_BUTTON and node.name == "OK"
                   for node in accessible_ui._walk(window)):
                return window
        return None
    about = wait_until(about_box, 15, "the About box")
    print(f"e2e: the About box: {about.getRole().value_nick} {about.name!r}")
    wait_until(lambda: has_state(about, atspi().STATE_ACTIVE), 15, "the About box to be active")
    shoot(s, program, "about")
    program.key("Escape")
    wait_until(lambda: about_box() is None, 15, "the About box to close")
    program.open_page("変換")
    s.close_with_escape(program)


def check_year_boxes_show_9999(program):
    """Every year box, with 9999 in the Western year box, is wide enough for its text beside
    its spin buttons: 9999, 4 digits in each era box, +7973 or so in the distance box."""
    program.replace_text("西暦", "9999")
    program.wait_year_text("西暦", "9999")
    cut = []
    for name in ["明治", "大正", "昭和", "平成", "令和", "西暦", "今から"]:
        box = program.year_box(name)
        text = box.queryText()
        length = text.characterCount
        check(length > 0, f"{name} is empty")
        # Each character's place, as the text lays out, whatever part of it the box shows.
        first = text.getCharacterExtents(0, atspi().DESKTOP_COORDS)
        last = text.getCharacterExtents(length - 1, atspi().DESKTOP_COORDS)
        text_width = last[0] + last[2] - first[0]
        x, _, width, _ = accessible_ui.extents(box)
        buttons = [accessible_ui.extents(child) for child in box
                   if child is not None and child.getRole() == atspi().ROLE_PUSH_BUTTON]
        room = (min(bx for bx, _, _, _ in buttons) if buttons else x + width) - x - 2 * LINE_EDIT_MARGIN
        if text_width > room:
            cut.append(f"{name} {text_of(box)!r}: {text_width} px of text in {room} px")
    check(not cut, "year boxes too narrow for their text: " + "; ".join(cut))


def year_boxes_show_9999(s):
    """At first start, on this screen and at this scale, no year box cuts off its text."""
    program = s.start()
    check_year_boxes_show_9999(program)
    s.close_with_escape(program)


def year_boxes_show_9999_at_minimum_size(s):
    """Made as small as the window manager lets it (the window's minimum size), no year box
    cuts off its text."""
    program = s.start()
    window_id = program.main_window_id()
    before = program.xdotool("getwindowgeometry", window_id)
    program.xdotool("windowsize", window_id, "1", "1")
    wait_until(lambda: program.xdotool("getwindowgeometry", window_id) != before, 15, "the window to shrink")
    time.sleep(0.3)   # the layout follows the new size
    print(f"e2e: the window at its minimum size: {program.xdotool('getwindowgeometry', window_id).split()[-1]}")
    shoot(s, program, "minimum-size")
    check_year_boxes_show_9999(program)
    s.close_with_escape(program)


# What a line edit keeps free on each side of its text: its frame and its text margin (in
# Qt's styles 2 px each).
LINE_EDIT_MARGIN = 4


def selected_text(node):
    text = node.queryText()
    if text.getNSelections() == 0:
        return ""
    start, end = text.getSelection(0)
    return text.getText(start, end)


# --- an era the era files add ---

# The test's today, and a made-up era that begins two years later.
PINNED_TODAY = "2027-05-20 12:00:00"
ADDED_ERA = ("試験", "しけん", "Shiken", "K", "2029-05-20")


def faketime_env(moment):
    """The environment that makes a program's clock start at moment (local time) and run
    on from there; the monotonic clock, which Qt's timers use, stays real."""
    libraries = glob.glob("/usr/lib/*/faketime/libfaketimeMT.so.1")
    check(libraries, "libfaketime is missing (the faketime package; scripts/setup installs it)")
    return {"LD_PRELOAD": libraries[0], "FAKETIME": "@" + moment, "FAKETIME_DONT_FAKE_MONOTONIC": "1"}


def write_era_file(s, text):
    path = os.path.join(s.config_home, "Harunagi", "erakon", "eras.conf")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)
    return path


def clock_text(program):
    """What the status bar's clock shows: the label that begins with an era's date."""
    bar = program.find(atspi().ROLE_STATUS_BAR)
    labels = [node for node in accessible_ui.walk(bar) if node.getRole() == atspi().ROLE_LABEL]
    return labels[0].name if labels else ""


def search_provider_answer(s, env, text):
    """The titles the desktop's search service gives for text, as GNOME Shell asks it."""
    service = s.session.spawn([s.companions["search_provider"]], env=env)
    bus, path = s.companions["search_bus"], s.companions["search_path"]
    interface = "org.gnome.Shell.SearchProvider2"
    try:
        def ask(method, argument):
            reply = s.session.run(["gdbus", "call", "--session", "--dest", bus, "--object-path", path,
                                   "--method", f"{interface}.{method}", argument])
            return reply.stdout if reply.returncode == 0 else None
        ids = wait_until(lambda: ask("GetInitialResultSet", f"['{text}']"), 20, "the search service's answer")
        return ask("GetResultMetas", ids.strip().removeprefix("(").removesuffix(",)"))
    finally:
        s.session.stop(service)


def era_file_adds_an_era(s):
    """An era file adds a made-up era two years after the pinned today: the conversion page
    shows the five latest eras, the year table runs to its 99th year, the clock shows it
    from its first day, and erakon-cli and the search service follow it."""
    name, reading, romanised, initial, first_day = ADDED_ERA
    write_era_file(s, f"# a made-up era\n{name} {reading} {romanised} {initial} {first_day}\n")
    s.prepare_ini({"OPTION": {"StatusBar": "1"}})
    # On the evening before its first day, the clock turns to it at midnight.
    program = s.start(extra_env=faketime_env("2029-05-19 23:59:40"))
    # The weekday is written in the session's language: 土, or Sat without a Japanese locale.
    evening = re.compile(r"令和11年\(2029年\) 5月19日\((土|Sat)\)  23:59")
    first_day = re.compile(name + r"元年\(2029年\) 5月20日\((日|Sun)\)  00:0\d")
    clock = wait_until(lambda: clock_text(program) or None, 15, "the clock")
    check(evening.fullmatch(clock) or first_day.fullmatch(clock), f"the clock before midnight: {clock!r}")
    wait_until(lambda: first_day.fullmatch(clock_text(program)), 60, "the clock on the new era's first day")
    s.close_with_escape(program)

    today = faketime_env(PINNED_TODAY)
    program = s.start(extra_env=today)
    program.wait_year_text("西暦", "2027")
    shown = {era: program.year_text(era) for era in ["大正", "昭和", "平成", "令和", name]}
    check_equal(shown, {"大正": "116", "昭和": "102", "平成": "39", "令和": "9", name: "-1"}, "the five era boxes")
    check(all(node.getRole() != atspi().ROLE_TEXT or node.name != "明治"
              for node in accessible_ui.walk(program.main_window())), "明治 is still on the conversion page")
    program.replace_text(name, "1")
    program.wait_year_text("西暦", "2029")
    check_equal(program.year_text("令和"), "11", "令和 in the new era's first year")
    program.open_page("早見表")
    memo = program.find(atspi().ROLE_TEXT, description="Year Table")
    wait_until(lambda: "\t2029年\t" in text_of(memo), 15, "the year table")
    lines = text_of(memo).splitlines()
    check_equal(lines[-1].split("\t")[:3], [f"{name}99", "2127年", "100年後"], "the table's last line")
    change = [line.split("\t")[0] for line in lines if "\t2029年\t" in line]
    check_equal(change, ["令和11", f"{name}元"], "the lines of the year of the change")
    s.close_with_escape(program)

    env = {**s.session.env, "XDG_CONFIG_HOME": s.config_home, **today}
    def cli(*arguments):
        run = subprocess.run([s.companions["erakon_cli"], *arguments], env=env, capture_output=True, text=True,
                             timeout=20)
        check_equal((run.returncode, run.stderr), (0, ""), f"erakon-cli {' '.join(arguments)}")
        return run.stdout
    converted = cli("2029", f"{name}3")
    check(f"{name}元年" in converted and "2031年" in converted, f"erakon-cli's conversions: {converted!r}")
    table = cli("--table").rstrip("\n").splitlines()
    check(table[-1].startswith(f"{name}99\t2127年\t100年後"), f"erakon-cli's table ends at {table[-1]!r}")
    metas = search_provider_answer(s, env, "2029")
    check(metas and f"{name}元年" in metas, f"the search service's answer for 2029: {metas!r}")


def era_file_damaged(s):
    """A damaged era file is reported once, naming the file and the line; the program goes on
    with the built-in eras and the good lines."""
    name, reading, romanised, initial, first_day = ADDED_ERA
    path = write_era_file(s, f"{name} {reading} {romanised} {initial} {first_day}\n"
                             "壊れ こわれ Koware X 2020-13-45\n"
                             "平成 へいせい Heisei H 2035-01-01\n")
    program = s.start(extra_env=faketime_env(PINNED_TODAY), shown=False)

    def report():
        for window in program.windows():
            if window.getRole() in (atspi().ROLE_ALERT, atspi().ROLE_DIALOG):
                texts = [node.name for node in accessible_ui.walk(window)]
                if any(f"{path}:2:" in text for text in texts):
                    return texts
        return None
    texts = wait_until(report, 30, "the report of the damaged era file")
    text = next(text for text in texts if f"{path}:2:" in text)
    check(f"{path}:3:" in text and f"{path}:1:" not in text, f"the report names the bad lines only: {text!r}")
    program.key("Return")
    wait_until(lambda: report() is None, 15, "the report to close")
    check_equal(len([w for w in program.windows() if w.getRole() in (atspi().ROLE_ALERT, atspi().ROLE_DIALOG)]), 0,
                "a second report")
    program.wait_year_text("西暦", "2027")
    check_equal(program.year_text(name), "-1", "the good line's era")
    s.close_with_escape(program)


SCENARIOS = {f.__name__: f for f in [first_start, era_and_distance_boxes, expression_with_enter, close_question,
                                     minimise_to_tray, tray_icon_hint_with_hints_off, setting_survives_restart,
                                     stay_on_top_survives_restart, stay_on_top_keeps_the_place,
                                     stay_on_top_keeps_input, style_survives_restart,
                                     table_double_click, age_page_rows, terminate_saves_settings,
                                     terminate_with_unwritable_settings, terminate_during_close_error,
                                     tray_goes_away, lost_window_comes_back_on_screen, no_display, unusable_platform,
                                     help_opens_manual,
                                     program_in_folder_not_utf8, status_notifier_item,
                                     status_notifier_item_texts, starts_minimised_in_the_tray,
                                     keeps_place_under_wayland, minimise_to_tray_under_wayland,
                                     every_page, year_boxes_show_9999, year_boxes_show_9999_at_minimum_size,
                                     era_file_adds_an_era, era_file_damaged]}

# Under Wayland: the scenarios that need no X (xdotool, the window manager's hints, the
# XEmbed tray), and two of Wayland's own.
WAYLAND_ONLY = ["keeps_place_under_wayland", "minimise_to_tray_under_wayland"]
WAYLAND_SCENARIOS = ["first_start", "era_and_distance_boxes", "expression_with_enter", "close_question",
                     "setting_survives_restart", "table_double_click", "age_page_rows", "status_notifier_item",
                     "status_notifier_item_texts", "starts_minimised_in_the_tray", "every_page",
                     "year_boxes_show_9999", *WAYLAND_ONLY]
X11_SCENARIOS = [name for name in SCENARIOS if name not in WAYLAND_ONLY]
# The tray each scenario's session has: the XEmbed tray (trayer) unless named here.
SESSION_TRAY = {name: "sni" for name in ["status_notifier_item", "status_notifier_item_texts",
                                         "starts_minimised_in_the_tray", "minimise_to_tray_under_wayland"]}


def fallback_ini(executable):
    """The settings file beside the program, read when the user has none."""
    return os.path.splitext(executable)[0] + ".ini"


def make_session(name, options):
    """The session a scenario runs in: X11 or Wayland, with the tray it needs, the screen's
    size and the scale a desktop sets (Xft.dpi under X11, the output's scale under Wayland)."""
    tray = SESSION_TRAY.get(name, "xembed")
    screen = tuple(int(n) for n in options.screen.split("x"))
    if options.platform == "wayland":
        return WaylandSession(options.weston_input, screen=screen, scale=options.wayland_scale or 1,
                              tray=None if tray == "xembed" else tray)
    return DesktopSession(screen=screen, dpi=options.xft_dpi, tray=tray)


def run(name, options):
    executable, artifacts, manual = options.erakon, options.artifacts, options.manual
    with make_session(name, options) as session:
        try:
            accessible_ui.load_pyatspi(session.env)
            program_env = {"QT_SCALE_FACTOR": options.qt_scale_factor} if options.qt_scale_factor else {}
            companions = {key: getattr(options, key) for key in ("erakon_cli", "search_provider", "search_bus",
                                                                  "search_path")}
            SCENARIOS[name](Scenario(session, executable, manual, program_env, options.shots, options.label,
                                     companions))
        except BaseException:
            keep_evidence(session, f"{options.platform}.{name}", artifacts)
            raise


def _time_limit(signum, frame):
    raise TimeoutError(f"the scenario took longer than {SCENARIO_TIME_LIMIT} s")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--erakon", required=True, help="path of the erakon program")
    parser.add_argument("--artifacts", help="folder for the screenshots of failed scenarios")
    parser.add_argument("--manual", help="the user's manual the help command should open (its folder)")
    parser.add_argument("--platform", choices=["x11", "wayland"], default="x11",
                        help="the session the program runs in (default x11)")
    parser.add_argument("--weston-input", help="weston_test_input.so, weston's test seat (for wayland)")
    parser.add_argument("--screen", default="1280x800", help="the screen's size in pixels (default 1280x800)")
    parser.add_argument("--xft-dpi", type=int, help="Xft.dpi set through xrdb under X11 (120: 125 %%, 192: 200 %%)")
    parser.add_argument("--qt-scale-factor", help="QT_SCALE_FACTOR for the program (1.25, 1.5, 2)")
    parser.add_argument("--wayland-scale", type=int, help="the scale of weston's output (1 or 2)")
    parser.add_argument("--shots", help="folder where every_page saves its pictures")
    parser.add_argument("--label", help="the first part of the pictures' names")
    parser.add_argument("--erakon-cli", help="path of erakon-cli, for the era-file scenarios")
    parser.add_argument("--search-provider", help="path of the search service, for the era-file scenarios")
    parser.add_argument("--search-bus", help="the search service's bus name")
    parser.add_argument("--search-path", help="the object path of its GNOME Shell search provider")
    parser.add_argument("scenarios", nargs="+", choices=[*SCENARIOS, "all"])
    args = parser.parse_args()

    available = WAYLAND_SCENARIOS if args.platform == "wayland" else X11_SCENARIOS
    missing = wayland_session.missing_tools() if args.platform == "wayland" else desktop_session.missing_tools()
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi (python3-pyatspi, for /usr/bin/python3)")
    if args.platform == "wayland" and not (args.weston_input and os.path.exists(args.weston_input)):
        missing.append("weston_test_input.so (--weston-input; built when libweston-10-dev is installed)")
    if missing:
        print(f"The end-to-end tests need a private {args.platform} session, but these are missing: "
              + ", ".join(sorted(set(missing))) + ". scripts/setup installs them.", file=sys.stderr)
        return 1
    if not os.access(args.erakon, os.X_OK):
        print(f"No program to test at {args.erakon}", file=sys.stderr)
        return 1

    if os.path.exists(fallback_ini(args.erakon)):
        print(f"{fallback_ini(args.erakon)} would stand in for every scenario's missing settings file; "
              "remove it to run the end-to-end tests.", file=sys.stderr)
        return 1

    names = list(available) if "all" in args.scenarios else args.scenarios
    unavailable = [name for name in names if name not in available]
    if unavailable:
        print(f"Not a scenario under {args.platform}: {', '.join(unavailable)}", file=sys.stderr)
        return 1
    if len(names) > 1:
        # pyatspi binds to the first session's bus for good: one process a scenario.
        options = [f"--{key.replace('_', '-')}={value}" for key, value in vars(args).items()
                   if key != "scenarios" and value is not None]
        failed = [name for name in names
                  if subprocess.run([sys.executable, os.path.abspath(__file__), *options, name]).returncode]
        print("failed: " + ", ".join(failed) if failed else "all passed")
        return 1 if failed else 0
    return run_one(names[0], args)


def run_one(name, options):
    signal.signal(signal.SIGALRM, _time_limit)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))
    started = time.monotonic()
    signal.alarm(SCENARIO_TIME_LIMIT)
    try:
        run(name, options)
        print(f"PASS {options.platform}.{name} ({time.monotonic() - started:.1f} s)")
        return 0
    except Exception:
        print(f"FAIL {options.platform}.{name}")
        traceback.print_exc()
        return 1
    finally:
        signal.alarm(0)


if __name__ == "__main__":
    sys.exit(main())
