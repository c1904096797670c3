# orvex_build_info: the header with the release version and the application id, for the programs'
# main files (`#include "orvex/BuildInfo.h"`).
set(ORVEX_WINDOW_PROGRAM "orvex-sk")
configure_file("${CMAKE_CURRENT_LIST_DIR}/BuildInfo.h.in"
    "${CMAKE_BINARY_DIR}/generated/orvex/BuildInfo.h" @ONLY)
add_library(orvex_build_info INTERFACE)
target_include_directories(orvex_build_info INTERFACE "${CMAKE_BINARY_DIR}/generated")
