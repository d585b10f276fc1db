# Runs the probe on a few cases and checks the shape of what it prints.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E echo "2000	1	1	2	0	0"
  COMMAND ${PROBE}
  OUTPUT_VARIABLE computed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "probe failed: ${status}")
endif()
string(JSON julian GET "${computed}" julianDate)
string(JSON bodies LENGTH "${computed}" bodies)
string(JSON markers LENGTH "${computed}" markers)
string(JSON firstMarker GET "${computed}" markers 0 name)
string(JSON mercuryLon GET "${computed}" bodies 1 Lon)
string(JSON moonAge GET "${computed}" moon age)
string(JSON report GET "${computed}" report)
if(NOT julian STREQUAL "2451544.5" OR NOT bodies EQUAL 9 OR NOT markers EQUAL 9 OR NOT firstMarker STREQUAL "moon1")
  message(FATAL_ERROR "unexpected probe output: ${computed}")
endif()
if(mercuryLon STREQUAL "" OR moonAge STREQUAL "" OR NOT report MATCHES "^שמש .* : Moon$")
  message(FATAL_ERROR "unexpected probe output: ${computed}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E echo "2023	4	31"
  COMMAND ${PROBE}
  OUTPUT_VARIABLE refused)
string(JSON title GET "${refused}" refused title)
if(NOT title STREQUAL "ערך שגוי")
  message(FATAL_ERROR "unexpected refusal: ${refused}")
endif()

# The precise model: the airless altitude besides the shown one, its own
# refusal, and a refusal of an unknown model.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E echo "2000	1	1	2	0	0"
  COMMAND ${PROBE} --model precise
  OUTPUT_VARIABLE precise RESULT_VARIABLE status)
string(JSON airless GET "${precise}" bodies 8 AltAirless)
string(JSON saturnMag GET "${precise}" bodies 5 Mag)
string(JSON report GET "${precise}" report)
if(NOT status EQUAL 0 OR airless STREQUAL "" OR saturnMag STREQUAL "" OR NOT report MATCHES "\r\nחישוב מדויק \\(ERFA\\)$")
  message(FATAL_ERROR "unexpected precise probe output: ${precise}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E echo "3001	1	2	2	0	0"
  COMMAND ${PROBE} --model precise
  OUTPUT_VARIABLE beyond)
string(JSON prompt GET "${beyond}" refused prompt)
if(NOT prompt MATCHES "^החישוב המדויק מכסה את השנים 1000 עד 2999 בלבד")
  message(FATAL_ERROR "unexpected precise refusal: ${beyond}")
endif()
execute_process(COMMAND ${PROBE} --model other RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "the probe took an unknown model")
endif()

# The day's events on the precise model, where the probe has Israel's clock:
# 2 October 2024, the eve of Rosh Hashanah; astronomy-engine puts sunrise at
# 03:34:43 UT, sunset at 15:23:13 UT and moonrise at 03:05:44 UT (summer time +3).
execute_process(COMMAND ${PROBE} --events RESULT_VARIABLE status INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E echo "2024	10	2	12	0	1"
    COMMAND ${PROBE} --model precise --events
    OUTPUT_VARIABLE day)
  string(JSON before GET "${day}" hebrewDate beforeSunset)
  string(JSON after GET "${day}" hebrewDate afterSunset)
  string(JSON sunrise GET "${day}" bodies 0 rise)
  string(JSON sunset GET "${day}" bodies 0 set)
  string(JSON moonrise GET "${day}" bodies 8 rise)
  string(JSON lastPhase GET "${day}" phases 4 phase)
  string(JSON newMoon GET "${day}" phases 4 time)
  if(NOT before STREQUAL "כ״ט באלול תשפ״ד" OR NOT after STREQUAL "א׳ בתשרי תשפ״ה"
     OR NOT sunrise MATCHES "^2024-10-02T06:3[45]:[0-5][0-9][+]03:00$"
     OR NOT sunset MATCHES "^2024-10-02T18:2[23]:[0-5][0-9][+]03:00$"
     OR NOT moonrise MATCHES "^2024-10-02T06:0[56]:[0-5][0-9][+]03:00$" OR NOT lastPhase STREQUAL "new"
     OR NOT newMoon MATCHES "^2024-10-[0-9][0-9]T[0-2][0-9]:[0-5][0-9]:[0-5][0-9][+]0[23]:00$")
    message(FATAL_ERROR "unexpected day's events: ${day}")
  endif()
endif()
