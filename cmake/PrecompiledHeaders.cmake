# Precompiled headers: each set is compiled once by a target of its own that owns nothing else,
# and the targets that use a set reuse that one compilation. A target reuses a set only when
# its flags are those the set was compiled with: the position-independent flag and the
# optimisation level decide whether the compiler takes a precompiled header.
#
# Only standard and outside headers belong in the libraries' sets: every layer of the module
# uses them, whereas a header of the project's own would reach layers it must not.

# What most of the project's files include. Not <filesystem>: it brings std::quoted, which
# argument-dependent lookup would choose over a file's own function of that name.
set(QUILLET_COMMON_HEADERS <algorithm> <array> <cstddef> <cstdint> <functional> <map> <memory>
  <optional> <span> <stdexcept> <string> <string_view> <utility> <vector>)

# A set of precompiled headers: its name; HEADERS, the headers; LINK, the libraries they come
# from; OPTIONS, compile options of the targets that use it; PROGRAMS when those targets are
# programs (position-independent executable code rather than library code).
function(quillet_header_set name)
  cmake_parse_arguments(PARSE_ARGV 1 set "PROGRAMS" "" "HEADERS;LINK;OPTIONS")
  if(NOT QUILLET_PCH)
    return()
  endif()
  add_library(${name} OBJECT ${CMAKE_SOURCE_DIR}/cmake/HeaderSet.cpp)
  target_precompile_headers(${name} PRIVATE ${set_HEADERS})
  target_compile_options(${name} PRIVATE ${set_OPTIONS})
  if(set_PROGRAMS)
    set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE OFF)
    target_compile_options(${name} PRIVATE -fPIE)
  endif()
  # The compiler cache can store what clang precompiles only without a time in it.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${name} PRIVATE -Xclang -fno-pch-timestamp)
  endif()
  if(set_LINK)
    target_link_libraries(${name} PRIVATE ${set_LINK})
  endif()
endfunction()

# The targets named after the set use its precompiled headers.
function(quillet_reuse_headers name)
  if(NOT QUILLET_PCH)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM ${name})
  endforeach()
endfunction()

quillet_header_set(quillet_common_headers HEADERS ${QUILLET_COMMON_HEADERS})
quillet_header_set(quillet_json_headers HEADERS ${QUILLET_COMMON_HEADERS} <nlohmann/json.hpp>
  LINK nlohmann_json::nlohmann_json)
