# SPDX-License-Identifier: MIT
# The release this source is, from the latest entry of the Debian changelog: its date
# goes into the AppStream data and, as SOURCE_DATE_EPOCH, into the generated files (not
# the build's date, so that two builds of the same source give the same files). The
# entry must name the version project() gives, so that the package, the program and
# its AppStream data never disagree.
set(erakon_changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
file(STRINGS ${erakon_changelog} erakon_changelog_heads REGEX "^[a-z0-9.+-]+ \\(")
list(GET erakon_changelog_heads 0 erakon_latest_head)
string(REGEX REPLACE "^[a-z0-9.+-]+ \\(([^)]*)\\).*" "\\1" erakon_changelog_version "${erakon_latest_head}")
if(NOT erakon_changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "the latest entry of ${erakon_changelog} is version ${erakon_changelog_version}, "
    "project() says ${PROJECT_VERSION}: give the release a changelog entry")
endif()

file(STRINGS ${erakon_changelog} erakon_changelog_trailers REGEX "^ -- .*  ")
list(GET erakon_changelog_trailers 0 erakon_latest_trailer)
string(REGEX REPLACE "^ -- .*  " "" erakon_release_time "${erakon_latest_trailer}")
execute_process(COMMAND date -d "${erakon_release_time}" +%s
  OUTPUT_VARIABLE ERAKON_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE erakon_date_result)
if(NOT erakon_date_result EQUAL 0)
  message(FATAL_ERROR "cannot read the date of the latest changelog entry: ${erakon_release_time}")
endif()
# The day of the release as the changelog writes it (its own time zone, not the build's).
string(REGEX MATCH "^[A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) " erakon_day "${erakon_release_time}")
set(erakon_day "${CMAKE_MATCH_1}")
set(erakon_month_name "${CMAKE_MATCH_2}")
set(erakon_year "${CMAKE_MATCH_3}")
set(erakon_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND erakon_months "${erakon_month_name}" erakon_month)
if(NOT erakon_day OR erakon_month EQUAL -1)
  message(FATAL_ERROR "cannot read the day of the latest changelog entry: ${erakon_release_time}")
endif()
math(EXPR erakon_month "${erakon_month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" erakon_month "${erakon_month}")
string(REGEX REPLACE "^([0-9])$" "0\\1" erakon_day "${erakon_day}")
set(ERAKON_RELEASE_DATE "${erakon_year}-${erakon_month}-${erakon_day}")
