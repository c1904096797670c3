# Shared compile settings for every target of the project.

set(ORVEX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(ORVEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(ORVEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ORVEX_FUZZ needs clang: configure a fresh build directory with "
                            "CC=clang CXX=clang++ (scripts/fuzz does)")
    endif()
    # libFuzzer is guided by coverage of the code under test, which lives in the layer libraries,
    # so they are instrumented too; only the fuzz targets link the fuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# orvex_library(NAME DIR [LINKS ...]): a layer library made of every source below DIR, so that
# adding a file never means editing a shared list. Files named *_main.cpp belong to programs.
function(orvex_library name dir)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_compile_options(${name} PRIVATE ${ORVEX_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

function(orvex_executable name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${ORVEX_WARNINGS})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
endfunction()

# Hardened like Debian's own packages (dpkg-buildflags): checked libc calls, a stack protector and
# a relocation table bound at start and then read-only. Fortification needs the optimiser; the
# sanitizer and fuzz builds bring their own checks.
if(NOT ORVEX_SANITIZE AND NOT ORVEX_FUZZ)
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
        -fstack-protector-strong)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# orvex_draw_at_build_time(TARGET TOOL OUT_DIR WHAT): a target of `all` that runs the build-time
# drawing tool TOOL on OUT_DIR (Qt without a display) whenever the tool has changed.
function(orvex_draw_at_build_time target tool out_dir what)
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp")
    add_custom_command(
        OUTPUT "${stamp}"
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:${tool}>
                "${out_dir}"
        COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
        DEPENDS ${tool}
        COMMENT "Drawing ${what} into ${out_dir}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${stamp}")
endfunction()
