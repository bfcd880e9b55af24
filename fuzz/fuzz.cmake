# The libFuzzer targets of fuzz/, built with clang beside the program when
# clang is installed (tools/setup.sh installs it). ctest runs each target for
# a short while; `make fuzz` runs them for long.
find_program(COURSESHELL_CLANGXX NAMES clang++ clang++-14)
option(COURSESHELL_FUZZ "Build the libFuzzer targets with clang++ and test them briefly" ON)
set(FUZZ_TEST_SECONDS 20 CACHE STRING "How long ctest runs each fuzz target")

if(COURSESHELL_FUZZ AND COURSESHELL_CLANGXX)
  include(ExternalProject)
  set(FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz)
  ExternalProject_Add(fuzzers
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
    BINARY_DIR ${FUZZ_BINARY_DIR}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${COURSESHELL_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  # Jet files with and without user tables seed the reader.
  file(MAKE_DIRECTORY ${FUZZ_BINARY_DIR}/work/jet_reader)
  file(COPY ${CMAKE_SOURCE_DIR}/tests/data/jet4/adox_jet4.mdb ${CMAKE_SOURCE_DIR}/tests/data/jet4/fixedTextTestV2000.mdb
       DESTINATION ${FUZZ_BINARY_DIR}/work/jet_reader)
  foreach(t connection_string cint jet_reader zoom_text)
    add_test(NAME fuzz_${t}
      COMMAND bash ${CMAKE_SOURCE_DIR}/tools/fuzz.sh ${FUZZ_BINARY_DIR} ${FUZZ_TEST_SECONDS} ${t})
    set_tests_properties(fuzz_${t} PROPERTIES TIMEOUT 300 ENVIRONMENT "LC_ALL=C.UTF-8")
  endforeach()
elseif(COURSESHELL_FUZZ)
  message(STATUS "clang++ not found: the fuzz targets are not built (make setup installs clang)")
endif()
