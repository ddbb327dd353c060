# Instrumented builds, each in its own build folder (scripts/configure.sh sets them up):
#   BOOTFONT_SANITIZE       everything with AddressSanitizer and UndefinedBehaviorSanitizer; the
#                           first report ends the program with a failure, so a test that triggers
#                           one fails.
#   BOOTFONT_BUILD_FUZZERS  the same sanitizers plus libFuzzer's coverage instrumentation, for the
#                           fuzz targets in fuzz/; needs clang.
# Qt, GoogleTest and the C++ library stay uninstrumented: they come from Debian packages.
option(BOOTFONT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(BOOTFONT_BUILD_FUZZERS "Build the libFuzzer targets (clang only)" OFF)

set(BOOTFONT_SANITIZER_FLAGS
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(BOOTFONT_BUILD_FUZZERS AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BOOTFONT_BUILD_FUZZERS needs clang: configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ in a build folder of its own.")
endif()

if(BOOTFONT_SANITIZE OR BOOTFONT_BUILD_FUZZERS)
    add_compile_options(${BOOTFONT_SANITIZER_FLAGS})
    add_link_options(${BOOTFONT_SANITIZER_FLAGS})
endif()

if(BOOTFONT_BUILD_FUZZERS)
    # Coverage feedback for every library a fuzz target links; the target itself links libFuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(BOOTFONT_SANITIZE OR BOOTFONT_BUILD_FUZZERS)
    # Linked into every test and fuzz program of an instrumented build.
    add_library(sanitizer_options OBJECT ${PROJECT_SOURCE_DIR}/tests/support/sanitizeroptions.cpp)
    target_link_libraries(sanitizer_options PRIVATE project_warnings)
    target_compile_definitions(sanitizer_options PRIVATE
        BOOTFONT_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/support/lsan.supp")
endif()
