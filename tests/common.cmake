add_executable(common_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/text_operations_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/file_operations_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gbk_codec_test.cpp
)
target_link_libraries(common_tests PRIVATE lexiro_common GTest::gtest_main)
gtest_discover_tests(common_tests DISCOVERY_TIMEOUT 60)
