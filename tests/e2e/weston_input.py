# SPDX-License-Identifier: MIT
"""Keys and pointer clicks under weston's headless backend, through the test
seat of weston_test_input.so: a key pressed here reaches the focused window as
real wl_keyboard events, a click as wl_pointer events, in the compositor's
coordinates. Key names follow xdotool's ("ctrl+a", "Return", "alt+n")."""

import socket
import time

# Linux input event codes (linux/input-event-codes.h, a kernel ABI), for the
# keys of a US keyboard that the scenarios use.
_ROWS = {"qwertyuiop": 16, "asdfghjkl": 30, "zxcvbnm": 44}
KEY_CODES = {letter: start + i for row, start in _ROWS.items() for i, letter in enumerate(row)}
KEY_CODES.update({str(digit): 2 + (digit - 1) % 10 for digit in range(1, 11)})   # 1..9 are 2..10, 0 is 11
KEY_CODES.update({
    "Escape": 1, "minus": 12, "equal": 13, "BackSpace": 14, "Tab": 15, "Return": 28,
    "ctrl": 29, "shift": 42, "alt": 56, "space": 57,
    "Home": 102, "Up": 103, "Prior": 104, "Left": 105, "Right": 106, "End": 107, "Down": 108,
    "Next": 109, "Delete": 111, "super": 125,
    **{f"F{n}": 58 + n for n in range(1, 11)}, "F11": 87, "F12": 88,
})
KEY_CODES["Page_Up"] = KEY_CODES["Prior"]
KEY_CODES["Page_Down"] = KEY_CODES["Next"]
# Characters typed with Shift on a US keyboard.
SHIFTED = {"+": "equal", "_": "minus"}
CHARACTERS = {"-": "minus", "=": "equal", " ": "space"}

BTN_LEFT = 0x110
BTN_RIGHT = 0x111


class InputError(RuntimeError):
    pass


class WestonInput:
    def __init__(self, socket_path):
        self._socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._socket.settimeout(10)
        self._socket.connect(socket_path)
        self._file = self._socket.makefile("rw", encoding="ascii", newline="\n")

    def _command(self, line):
        self._file.write(line + "\n")
        self._file.flush()
        answer = self._file.readline().strip()
        if answer != "ok":
            raise InputError(f"weston_test_input refused {line!r}: {answer!r}")

    def close(self):
        self._file.close()
        self._socket.close()

    # --- keyboard ---

    def _code(self, name):
        code = KEY_CODES.get(name.lower() if len(name) == 1 else name)
        if code is None:
            raise InputError(f"no key named {name!r}")
        return code

    def key(self, *chords, delay=0.04):
        """Presses each chord in turn: "Return", "ctrl+a", "alt+n"."""
        for chord in chords:
            names = chord.split("+")
            codes = [self._code(name) for name in names]
            for code in codes:
                self._command(f"key {code} 1")
            for code in reversed(codes):
                self._command(f"key {code} 0")
            time.sleep(delay)

    def type(self, text, delay=0.04):
        """Types ASCII text key by key, as a US keyboard does."""
        for character in text:
            if character in SHIFTED:
                self.key(f"shift+{SHIFTED[character]}", delay=delay)
            elif character in CHARACTERS:
                self.key(CHARACTERS[character], delay=delay)
            elif character.isupper():
                self.key(f"shift+{character.lower()}", delay=delay)
            else:
                self.key(character, delay=delay)

    # --- pointer ---

    def move(self, x, y):
        self._command(f"motion {x} {y}")

    def click(self, x, y, clicks=1, delay=0.08, button=BTN_LEFT):
        self.move(x, y)
        for i in range(clicks):
            if i:
                time.sleep(delay)
            self._command(f"button {button} 1")
            self._command(f"button {button} 0")

    def wheel(self, steps):
        """Turns the wheel by steps notches; positive turns it down."""
        self._command(f"axis {steps}")
