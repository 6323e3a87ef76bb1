# Fails unless PROGRAM is a 64-bit Windows console program whose only DLLs are KERNEL32 and msvcrt.
# -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM=quicksort-and-insert.exe
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE headers
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()

if(NOT headers MATCHES "file format pei-x86-64")
    message(FATAL_ERROR "not a PE32+ x86-64 image")
endif()
if(NOT headers MATCHES "\nMagic[\t ]+020b")
    message(FATAL_ERROR "optional header is not PE32+")
endif()
if(NOT headers MATCHES "\nSubsystem[\t ]+00000003")
    message(FATAL_ERROR "not a console (CUI) program")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" names "${headers}")
list(TRANSFORM names REPLACE "DLL Name: " "")
list(SORT names CASE INSENSITIVE)
message(STATUS "imports: ${names}")
if(NOT names STREQUAL "KERNEL32.dll;msvcrt.dll")
    message(FATAL_ERROR "imports must be exactly KERNEL32.dll and msvcrt.dll, not: ${names}")
endif()
