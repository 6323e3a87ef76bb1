# clang-format, clang-tidy, cppcheck and valgrind memcheck as tests. The linters read every source
# file of the project; the build's compile_commands.json tells clang-tidy how each is compiled.
find_program(QSI_CLANG_TIDY clang-tidy REQUIRED)
find_program(QSI_RUN_CLANG_TIDY run-clang-tidy REQUIRED)
find_program(QSI_CLANG_FORMAT clang-format REQUIRED)
find_program(QSI_CPPCHECK cppcheck REQUIRED)
find_program(QSI_VALGRIND valgrind REQUIRED)

file(GLOB_RECURSE QSI_SOURCES CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
     sorts/*.cpp report/*.cpp tests/*.cpp fuzz/*.cpp bench/*.cpp)
file(GLOB_RECURSE QSI_HEADERS CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} sorts/*.h report/*.h)

add_test(NAME clang_format
         COMMAND ${QSI_CLANG_FORMAT} --dry-run --Werror ${QSI_SOURCES} ${QSI_HEADERS}
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(clang_format PROPERTIES LABELS lint)

# run-clang-tidy lints the files of compile_commands.json that match, on every core.
list(TRANSFORM QSI_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE tidy_files)
add_test(NAME clang_tidy
         COMMAND ${QSI_RUN_CLANG_TIDY} -clang-tidy-binary ${QSI_CLANG_TIDY} -p ${PROJECT_BINARY_DIR}
                 -quiet ${tidy_files}
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(clang_tidy PROPERTIES LABELS lint FAIL_REGULAR_EXPRESSION "warning:|error:")

add_test(NAME cppcheck
         COMMAND ${QSI_CPPCHECK} --enable=warning,style,performance,portability --std=c++17
                 --library=googletest --inline-suppr --error-exitcode=1 --quiet
                 --suppressions-list=.cppcheck-suppressions -I sorts -I report ${QSI_SOURCES}
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(cppcheck PROPERTIES LABELS lint)

add_test(NAME report_valgrind
         COMMAND ${QSI_VALGRIND} --quiet --error-exitcode=1 --leak-check=full
                 --show-leak-kinds=all --errors-for-leak-kinds=all
                 $<TARGET_FILE:quicksort-and-insert>)
set_tests_properties(report_valgrind PROPERTIES LABELS memcheck)
