# Brings a translation file up to date with the sources without touching it
# when nothing changed, so that a build with no new text rebuilds nothing.
#   cmake -DLUPDATE=<lupdate> -DLIST=<file of sources> -DTS=<.ts> -DWORK=<copy> -P lupdate-if-changed.cmake
configure_file("${TS}" "${WORK}" COPYONLY)
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none -no-obsolete -source-language ja -target-language en
            "@${LIST}" -ts "${WORK}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed on ${TS}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${WORK}" "${TS}")
