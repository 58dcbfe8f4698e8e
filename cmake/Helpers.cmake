include(GoogleTest)

# orvex_library(NAME <target> DEFINE <build-macro> DIR <folder>)
# A shared library from every source under DIR. Only symbols marked with the
# library's export macro are visible; __FILE__ in log records is relative to DIR.
function(orvex_library target define dir)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
  add_library(${target} SHARED ${_src})
  target_compile_definitions(${target} PRIVATE ${define})
  target_compile_options(${target} PRIVATE -fmacro-prefix-map=${dir}/=)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/include PRIVATE ${dir})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${target} PREFIX "")
endfunction()

# orvex_gtest(<target> <label> <libs...>): one test executable per deliverable
# from every test_*.cpp in the current folder, each case registered with CTest.
function(orvex_gtest target label)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _src)
    return()
  endif()
  add_executable(${target} ${_src})
  target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock Threads::Threads)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/tests/common)
  # Paths as compile definitions: a test's ENVIRONMENT property cannot carry
  # a list through test discovery.
  target_compile_definitions(${target} PRIVATE
    ORVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ORVEX_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${label})
endfunction()
