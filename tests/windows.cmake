# The core's tests cross-built for Windows and run under Wine: GoogleTest
# built from Debian's sources with the cross compiler, a Wine prefix of the
# build's own inside the build tree, made once (its first start costs many
# seconds, later ones a fraction of one).
set(SORVANTA_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian: libgtest-dev)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${SORVANTA_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

find_program(SORVANTA_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(SORVANTA_WINE NAMES wine64 wine)
set(SORVANTA_WINE_ENVIRONMENT
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all WINELOADER=${SORVANTA_WINE}
  # No installers of .NET or Gecko asked for when the prefix is made.
  WINEDLLOVERRIDES=mscoree,mshtml=)
set(SORVANTA_WINE_RUN ${CMAKE_COMMAND} -E env ${SORVANTA_WINE_ENVIRONMENT} ${SORVANTA_WINE})

# The end-to-end run of sorvanta.exe takes the sample modules from a native
# build of the same sources.
set(SORVANTA_NATIVE_BUILD "" CACHE PATH "Native build for the Windows end-to-end test (empty: the test is left out)")

function(sorvanta_windows_tests)
  target_sources(core_tests PRIVATE modules/windowsfiles_test.cpp)
  if(NOT CMAKE_CROSSCOMPILING OR NOT SORVANTA_WINE OR NOT CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    message(STATUS "The Windows tests are built, not run: they need 64-bit Windows or wine64")
    return()
  endif()
  # The Wine server kept for 10 s after its last program, so that the many
  # short runs of the tests do not each start one.
  find_program(SORVANTA_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
  add_test(NAME wine_prefix
    COMMAND sh -c "test -f \"$WINEPREFIX/system.reg\" || \"$0\" wineboot.exe --init; \"$1\" -p10; \"$0\" cmd.exe /c exit"
            ${SORVANTA_WINE} ${SORVANTA_WINESERVER})
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${SORVANTA_WINE_ENVIRONMENT}")

  add_test(NAME core_tests COMMAND ${SORVANTA_WINE_RUN} $<TARGET_FILE:core_tests>)
  add_test(NAME cli_contract
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/cli/cli_contract_test.py
            $<TARGET_FILE:sorvanta-lookup> ${CMAKE_CURRENT_SOURCE_DIR}/data ${SORVANTA_WINE_RUN})
  set_tests_properties(core_tests cli_contract PROPERTIES FIXTURES_REQUIRED wine LABELS windows)

  if(SORVANTA_NATIVE_BUILD)
    # One test for each section of the steps file, each on a desktop of its own.
    foreach(section windows document settings)
      add_test(NAME windows_e2e_${section}
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/scenario.py ${CMAKE_CURRENT_SOURCE_DIR}/e2e/windows.steps
                ${section} $<TARGET_FILE:sorvanta> ${SORVANTA_NATIVE_BUILD}/samples ${CMAKE_CURRENT_SOURCE_DIR}/data
                standin=$<TARGET_FILE:orvanel-standin> winholdkey=$<TARGET_FILE:winholdkey>
                controltext=$<TARGET_FILE:controltext> listboxlines=$<TARGET_FILE:listbox-lines>)
      set_tests_properties(windows_e2e_${section} PROPERTIES LABELS "windows;e2e" TIMEOUT 300)
    endforeach()
  endif()
endfunction()
