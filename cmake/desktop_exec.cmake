# SPDX-License-Identifier: MIT
# The Exec value of the installed menu entry, worked out at install time, when the
# prefix is known. GIO refuses a desktop entry whose program is not found on the PATH
# of the session, and GNOME Shell then silently ignores the search provider that names
# that entry: where the prefix's bin folder is not on the standard PATH (~/.local,
# /opt/...), the entry names the program by its installed path; in /usr and /usr/local
# it keeps the bare name, as distributions write it.
set(ERAKON_STANDARD_PATH_FOLDERS /usr/local/bin /usr/bin /bin)

# out: the Exec value that starts program in bin_folder (an absolute path).
function(erakon_desktop_exec out bin_folder program)
  string(REGEX REPLACE "(.)/+$" "\\1" bin_folder "${bin_folder}")
  # list(FIND), not IN_LIST: install scripts run without the project's policies.
  list(FIND ERAKON_STANDARD_PATH_FOLDERS "${bin_folder}" standard)
  if(standard GREATER -1)
    set(${out} "${program}" PARENT_SCOPE)
    return()
  endif()
  # The Desktop Entry rules: quoted, with \ " ` $ escaped inside the quotes; then the
  # string type's own escape of the backslash, and %% for a literal %.
  set(path "${bin_folder}/${program}")
  string(REPLACE "\\" "\\\\" path "${path}")
  string(REPLACE "\"" "\\\"" path "${path}")
  string(REPLACE "`" "\\`" path "${path}")
  string(REPLACE "$" "\\$" path "${path}")
  string(REPLACE "\\" "\\\\" path "${path}")
  string(REPLACE "%" "%%" path "${path}")
  set(${out} "\"${path}\"" PARENT_SCOPE)
endfunction()

# Writes the desktop entry built at configure time (entry, whose Exec names program
# bare) to installed, with the Exec value for bin_folder.
function(erakon_write_installed_desktop_entry entry installed bin_folder program)
  erakon_desktop_exec(exec "${bin_folder}" "${program}")
  file(READ "${entry}" text)
  string(REPLACE "\nExec=${program}\n" "\nExec=${exec}\n" text "${text}")
  file(WRITE "${installed}" "${text}")
endfunction()
