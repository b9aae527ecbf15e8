# SPDX-License-Identifier: MIT
"""The program's settings file as the scenarios prepare and read it: sections
in file order, each a dict of key to value with the names as written."""


def read_ini(path):
    with open(path, "rb") as file:
        data = file.read()
    text = data.decode("utf-8-sig")
    sections = {}
    current = None
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].strip(), {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current[key.rstrip()] = value.lstrip()
    return sections


def write_ini(path, sections):
    lines = []
    for name, keys in sections.items():
        lines.append(f"[{name}]")
        lines.extend(f"{key}={value}" for key, value in keys.items())
        lines.append("")
    with open(path, "wb") as file:
        file.write("\r\n".join(lines).encode("utf-8") + b"\r\n")
