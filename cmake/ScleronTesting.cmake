# scleron_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT seconds])
# Builds one GoogleTest executable linked with the shared test main and registers its tests with
# CTest. Tests are listed when CTest runs (PRE_TEST), with the offscreen Qt platform and a time-out,
# so a modal box nobody answers fails the test instead of hanging the run. The shared main sets the
# rest of the test environment (C locale, source and build folders).
function(scleron_add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE scleron_testmain ${ARG_LIBS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      TIMEOUT ${ARG_TIMEOUT}
      ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
