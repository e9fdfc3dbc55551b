add_executable(pass_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/line_layout_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/accelerator_test.cpp
)
target_link_libraries(pass_tests PRIVATE lexiro_passes GTest::gtest_main)
gtest_discover_tests(pass_tests DISCOVERY_TIMEOUT 60)
