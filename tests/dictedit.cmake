# The dictionary editor: grid model and window tests on the offscreen platform.
add_executable(dictedit_tests
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_grid_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_message_box_test.cpp
)
target_link_libraries(dictedit_tests PRIVATE dictedit_window GTest::gtest)
gtest_discover_tests(dictedit_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
