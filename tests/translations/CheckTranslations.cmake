# Runs lupdate over the programs' sources into a copy of a translation file, then lrelease on
# the copy, and fails unless every text has a finished translation. The file itself is left
# alone. Variables: LUPDATE, LRELEASE, OPTIONS (lupdate's), SOURCES (a list file), INCLUDE,
# TS, WORK (a scratch folder).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
cmake_path(GET TS FILENAME name)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")

execute_process(
    COMMAND "${LUPDATE}" ${OPTIONS} -I "${INCLUDE}" "@${SOURCES}" -ts "${copy}"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE complaints)
message("${said}${complaints}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()
if(NOT said MATCHES "Found [0-9]+ source text\\(s\\) \\(0 new and [0-9]+ already existing\\)")
    message(FATAL_ERROR "lupdate found texts that ${name} does not have: "
        "run `cmake --build <build> --target update_translations` and translate them")
endif()

execute_process(
    COMMAND "${LRELEASE}" "${copy}" -qm "${WORK}/check.qm"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE complaints)
message("${said}${complaints}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease failed (${status})")
endif()
if(NOT said MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR said MATCHES "untranslated")
    message(FATAL_ERROR "${name} has texts without a finished translation")
endif()
