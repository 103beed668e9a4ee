# Helpers shared by every CMakeLists.txt of the project.

# Adds each immediate sub-folder of the current source folder that has a
# CMakeLists.txt, so a subsystem, test group, benchmark or fuzz target joins
# the build by existing; nobody edits a shared list to add one.
function(chat_add_subfolders)
    file(GLOB _children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT _children)
    foreach(_child IN LISTS _children)
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt)
            add_subdirectory(${_child})
        endif()
    endforeach()
endfunction()

# chat_add_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>] [LABELS <labels...>])
#
# One Qt Test executable registered with CTest. Every test runs on the
# offscreen platform with a fixed time zone and locale so that results do not
# depend on the machine, and every test has a timeout so a hang fails instead
# of blocking the run. The label "tsan" marks tests whose threads synchronise
# only through our own or the standard library's primitives; `./run sanitize`
# runs those under ThreadSanitizer as well.
function(chat_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Europe/Berlin;LC_ALL=C.UTF-8;LANG=C.UTF-8;QT_LOGGING_RULES=*.debug=false;CHAT_SOURCE_DIR=${PROJECT_SOURCE_DIR};CHAT_BINARY_DIR=${PROJECT_BINARY_DIR}")
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()

# chat_add_benchmark(<name> SOURCES <files...> [LIBS <targets...>])
# A Google Benchmark executable; `./run bench` runs every one of them.
function(chat_add_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${B_SOURCES})
    target_link_libraries(${name} PRIVATE chat_benchcommon ${B_LIBS})
    set_property(GLOBAL APPEND PROPERTY CHAT_BENCHMARKS ${name})
endfunction()

# chat_add_fuzzer(<name> SOURCES <files...> [LIBS <targets...>])
# A libFuzzer target; `./run fuzz` runs every one of them with its corpus
# folder fuzz/corpus/<name>.
function(chat_add_fuzzer name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    set_property(GLOBAL APPEND PROPERTY CHAT_FUZZERS ${name})
endfunction()
