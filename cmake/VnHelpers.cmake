# vn_library(<name> [EXCLUDE <file>...] DEPENDS <targets>...)
# A static library made of every .cpp/.h in the calling folder (not below it).
function(vn_library name)
    cmake_parse_arguments(ARG "" "" "EXCLUDE;DEPENDS" ${ARGN})
    file(GLOB _srcs CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    foreach(_ex IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM _srcs "${CMAKE_CURRENT_SOURCE_DIR}/${_ex}")
    endforeach()
    if(NOT _srcs)
        # An empty library keeps the dependency graph stable while a folder is still empty.
        set(_srcs "${CMAKE_SOURCE_DIR}/cmake/empty.cpp")
    endif()
    add_library(${name} STATIC ${_srcs})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_compile_options(${name} PRIVATE ${VN_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# vn_sanitizer_environment(<variable>)
# The environment every test runs with in a sanitizer build (empty otherwise): stop on the first
# report and name the suppression files, so a plain ctest run is a sanitizer run.
function(vn_sanitizer_environment variable)
    set(_env "")
    if(VN_SANITIZE)
        list(APPEND _env
            "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1"
            "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:fast_unwind_on_malloc=0"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    endif()
    if(VN_TSAN)
        list(APPEND _env "QT_NO_GLIB=1"
            "TSAN_OPTIONS=halt_on_error=1:history_size=7:suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp")
    endif()
    set(${variable} "${_env}" PARENT_SCOPE)
endfunction()

# vn_add_test(<name> SOURCES <files>... LIBS <targets>... [TIMEOUT s] [LABELS l...])
# One QtTest executable per area. Each run gets a fresh throw-away HOME and XDG folders,
# so no test ever reads or writes the user's settings.
function(vn_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt5::Test)
    target_compile_options(${name} PRIVATE ${VN_WARNINGS})
    target_compile_definitions(${name} PRIVATE
        VN_SOURCE_DIR="${CMAKE_SOURCE_DIR}" VN_FIXTURES_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
    add_test(NAME ${name}
        COMMAND /bin/sh "${CMAKE_SOURCE_DIR}/tests/run-isolated.sh" $<TARGET_FILE:${name}>)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    # A sanitizer build runs a test several times slower (every allocation keeps its whole
    # stack): the same test gets three times the time there.
    if(VN_SANITIZE OR VN_TSAN)
        math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * 3")
    endif()
    vn_sanitizer_environment(_sanitizer_env)
    set(_env "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${_sanitizer_env}")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${_env};${ARG_ENV}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
