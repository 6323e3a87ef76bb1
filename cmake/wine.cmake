# Runs the Windows programs this build makes under Wine: tests, the program and its checks.
# Wine gets a prefix of its own inside the build folder, never the user's ~/.wine.
find_program(QSI_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QSI_WINE NAMES wine64 wine)
if(NOT QSI_WINE)
    message(FATAL_ERROR "Wine is needed to run the Windows tests (Debian package wine64)")
endif()

set(QSI_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# Creating the prefix takes several seconds on the first start: one setup test does it, with
# time to spare, before any test that runs under Wine.
function(qsi_add_wine_prefix_test)
    add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
endfunction()
