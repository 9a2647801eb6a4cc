# cmake -DPROGRAM=<path> -P CheckNoWidgets.cmake
# Fails when the program loads Qt Widgets (or Qt Print Support, which needs it): ldd lists every
# shared library the program loads, directly or through another library.
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd could not list the libraries of ${PROGRAM}")
endif()
if(NOT libraries MATCHES "libQt6Core")
  message(FATAL_ERROR "${PROGRAM} loads no Qt at all, so this check says nothing:\n${libraries}")
endif()
if(libraries MATCHES "libQt6(Widgets|PrintSupport)")
  message(FATAL_ERROR "${PROGRAM} loads Qt Widgets:\n${libraries}")
endif()
message(STATUS "${PROGRAM} loads no Qt Widgets")
