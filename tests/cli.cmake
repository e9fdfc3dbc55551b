add_executable(cli_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/cli_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/process_runner.cpp
)
target_link_libraries(cli_tests PRIVATE lexiro_common GTest::gtest_main)
target_compile_definitions(cli_tests PRIVATE
  LOCHELPER_CLI="$<TARGET_FILE:lochelper-cli>"
  GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data/cli")
add_dependencies(cli_tests lochelper-cli)
gtest_discover_tests(cli_tests DISCOVERY_TIMEOUT 60)
