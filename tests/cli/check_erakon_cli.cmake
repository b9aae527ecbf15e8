# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# The real erakon-cli with no display, no session bus and an empty home: it converts,
# answers --help and --version, refuses bad input with status 2 and a message naming
# it, finds the settings file where the window does (the per-user file, else the file
# beside the program), and creates no file anywhere.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/home" "${WORK_DIR}/config/Harunagi/erakon" "${WORK_DIR}/bin")
# A copy beside which a settings file may lie without touching the build tree.
file(COPY "${ERAKON_CLI}" DESTINATION "${WORK_DIR}/bin")
get_filename_component(cli_name "${ERAKON_CLI}" NAME)
set(copy "${WORK_DIR}/bin/${cli_name}")

include(${CMAKE_CURRENT_LIST_DIR}/../support/run_and_expect.cmake)

macro(run_cli result_var out_var err_var)
  cmake_parse_arguments(CLI "" "CONFIG;PROGRAM" "" ${ARGN})
  set(environment "HOME=${WORK_DIR}/home" LC_ALL=C)
  if(CLI_CONFIG)
    list(APPEND environment "XDG_CONFIG_HOME=${CLI_CONFIG}")
  endif()
  if(NOT CLI_PROGRAM)
    set(CLI_PROGRAM "${ERAKON_CLI}")
  endif()
  run_program(${result_var} ${out_var} ${err_var} PROGRAM "${CLI_PROGRAM}"
    ENVIRONMENT ${environment} ARGUMENTS ${CLI_UNPARSED_ARGUMENTS})
endmacro()

run_cli(result out err --version)
expect("status of --version" "${result}" 0)
expect("errors of --version" "${err}" "")
expect_match("--version" "${out}" "^erakon-cli [0-9]+\\.[0-9]+\\.[0-9]+\n")

run_cli(result out err --help)
expect("status of --help" "${result}" 0)
expect_match("--help" "${out}" "^Usage: erakon-cli \\[OPTION\\]\\.\\.\\. \\[YEAR\\]\\.\\.\\.\n")

run_cli(result out err 平成31)
expect("status of a conversion" "${result}" 0)
expect("errors of a conversion" "${err}" "")
expect_match("平成31" "${out}" "^2019年 — 平成31年・令和元年, [0-9]+年前, 亥（い）\n  明治152年 大正108年 昭和94年 平成31年 令和元年\n")

run_cli(result out err --json 1989-01-08)
expect("status of --json" "${result}" 0)
expect_match("--json" "${out}" "^{\"input\":\"1989-01-08\",\"westernYear\":1989,\"date\":\"1989-01-08\",\"eraText\":\"平成元年1月8日\",.*}\n$")

run_cli(result out err --table --eto)
expect("status of --table" "${result}" 0)
expect_match("--table" "${out}" "^明治元\t1868年\t[0-9]+年前\t辰・たつ\t\n")

# The life of a birth as JSON that a JSON reader takes, with exactly its keys.
run_cli(result out err --life 平成元年4月2日 --as-of 2030-01-15 --female --json)
expect("status of --life" "${result}" 0)
expect("errors of --life" "${err}" "")
string(JSON keys LENGTH "${out}")
set(names "")
math(EXPR last "${keys} - 1")
foreach(i RANGE ${last})
  string(JSON name MEMBER "${out}" ${i})
  list(APPEND names "${name}")
endforeach()
# (CMake lists the members sorted by name.)
expect("keys of --life --json" "${names}" "age;asOf;birth;choju;eto;gakunen;kazoe;school;seinen;yakudoshi")
string(JSON age GET "${out}" age)
expect("age of --life" "${age}" 40)
string(JSON stage GET "${out}" school 3 stage)
string(JSON event GET "${out}" school 3 event)
expect("4th school step" "${stage} ${event}" "小学校 卒業")
string(JSON kind GET "${out}" yakudoshi 4 kind)
string(JSON year GET "${out}" yakudoshi 4 year)
expect("the female 大厄" "${kind} ${year}" "本厄 2021")
string(JSON seinen GET "${out}" seinen)
expect("seinen of --life" "${seinen}" "2009-04-02")
run_cli(result out err --life=1989 --json)
string(JSON school TYPE "${out}" school)
expect("school of a year alone" "${school}" "OBJECT")
string(JSON early GET "${out}" school january1ToApril1 2 year)
expect("the early cohort's 小学校 入学" "${early}" 1995)

run_cli(result out err 1989 昭和 2023-02-30)
expect("status of bad input" "${result}" 2)
expect("errors of bad input" "${err}"
  "erakon-cli: '昭和': not a year, an era year or a date\nerakon-cli: '2023-02-30': no such date\n")
expect_match("the good year of bad input" "${out}" "^1989年 — ")

run_cli(result out err --bogus)
expect("status of a wrong option" "${result}" 2)
expect("output of a wrong option" "${out}" "")
expect("error of a wrong option" "${err}"
  "erakon-cli: unrecognized option '--bogus'\nTry 'erakon-cli --help' for more information.\n")

# The user era: from the per-user file under XDG_CONFIG_HOME.
file(WRITE "${WORK_DIR}/config/Harunagi/erakon/erakon.ini" "[OPTION]\r\nAddItem=1\r\nAddName=社歴\r\nAddYear=2000\r\n")
run_cli(result out err 2023 CONFIG "${WORK_DIR}/config")
expect("status with the user era" "${result}" 0)
expect_match("the user era" "${out}" "\n  明治156年 大正112年 昭和98年 平成35年 令和5年 社歴24年\n")
run_cli(result out err --no-settings 2023 CONFIG "${WORK_DIR}/config")
expect_match("--no-settings" "${out}" "\n  明治156年 大正112年 昭和98年 平成35年 令和5年\n")

# Without a per-user file: the file beside the program, named after the window.
file(WRITE "${WORK_DIR}/bin/erakon.ini" "[OPTION]\nAddItem=1\nAddName=創立\nAddYear=1950\n")
run_cli(result out err 2023 PROGRAM "${copy}")
expect_match("the file beside the program" "${out}" " 創立74年\n")
file(REMOVE "${WORK_DIR}/bin/erakon.ini")

# A settings file that is there but cannot be read (a folder in its place): named once,
# with the reason, and the years convert without the user era.
file(MAKE_DIRECTORY "${WORK_DIR}/unreadable/Harunagi/erakon/erakon.ini")
run_cli(result out err 2023 1989 CONFIG "${WORK_DIR}/unreadable")
expect("status with an unreadable settings file" "${result}" 0)
expect("message for an unreadable settings file" "${err}"
  "erakon-cli: cannot read the settings file '${WORK_DIR}/unreadable/Harunagi/erakon/erakon.ini': Is a directory\n")
expect_match("years without the unreadable settings" "${out}" "^2023年 — .*\n1989年 — ")

# Era files: the administrator's under XDG_CONFIG_DIRS adds an era after 令和, the
# user's beside the settings file adds the next; --eras lists both with their lines,
# and a bad line is named once with its file and line while the rest goes on.
file(MAKE_DIRECTORY "${WORK_DIR}/xdg/Harunagi/erakon")
file(WRITE "${WORK_DIR}/xdg/Harunagi/erakon/eras.conf" "# made up\n新元 しんげん Shingen N 2031-04-01\n")
file(WRITE "${WORK_DIR}/config/Harunagi/erakon/eras.conf"
  "次元 じげん Jigen J 2050-01-01\n後元 ごげん Gogen R 2060-01-01\n")
macro(run_with_era_files result_var out_var err_var)
  run_program(${result_var} ${out_var} ${err_var} PROGRAM "${ERAKON_CLI}"
    ENVIRONMENT "HOME=${WORK_DIR}/home" LC_ALL=C "XDG_CONFIG_HOME=${WORK_DIR}/config"
      "XDG_CONFIG_DIRS=relative:${WORK_DIR}/xdg"
    ARGUMENTS ${ARGN})
endmacro()
set(bad_line_message
  "erakon-cli: ${WORK_DIR}/config/Harunagi/erakon/eras.conf:2: the era 後元 has the initial of 令和\n")
run_with_era_files(result out err --eras)
expect("status of --eras" "${result}" 0)
expect("message of a bad era line" "${err}" "${bad_line_message}")
expect_match("--eras" "${out}"
  "\n令和\tれいわ\tReiwa\tR\t2019-05-01\tbuilt-in\n新元\tしんげん\tShingen\tN\t2031-04-01\t${WORK_DIR}/xdg/Harunagi/erakon/eras.conf:2\n次元\tじげん\tJigen\tJ\t2050-01-01\t${WORK_DIR}/config/Harunagi/erakon/eras.conf:1\n$")
run_with_era_files(result out err N3 じげん元年 2040 --json 2060)
expect("status with era files" "${result}" 0)
expect("the bad line named once" "${err}" "${bad_line_message}")
expect_match("an added era read" "${out}" "^{\"input\":\"N3\",\"westernYear\":2033,")
expect_match("the next added era read" "${out}" "\n{\"input\":\"じげん元年\",\"westernYear\":2050,")
expect_match("an added era in the description" "${out}" "\"eraText\":\"新元10年\"")
expect_match("the later era in force" "${out}" "\"eraText\":\"次元11年\"")
file(REMOVE "${WORK_DIR}/config/Harunagi/erakon/eras.conf")

# Nothing was written: the home folder is as empty as before.
file(GLOB_RECURSE left RELATIVE "${WORK_DIR}" LIST_DIRECTORIES true "${WORK_DIR}/home/*")
expect("files made in the home folder" "${left}" "")
file(GLOB left RELATIVE "${WORK_DIR}/bin" "${WORK_DIR}/bin/*")
expect("files made beside the program" "${left}" "${cli_name}")

# A write that fails is an error, not a success.
if(EXISTS /dev/full)
  execute_process(COMMAND sh -c "\"$1\" 2023 > /dev/full" sh "${ERAKON_CLI}"
    RESULT_VARIABLE result ERROR_VARIABLE err)
  expect("status of a failed write" "${result}" 1)
  expect_match("message of a failed write" "${err}" "^erakon-cli: write error: ")
endif()
