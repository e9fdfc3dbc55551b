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

# A child that saves a large grid, and the test that kills it mid-save.
add_executable(dictedit_crash_child ${CMAKE_CURRENT_LIST_DIR}/dictedit_crash_child.cpp)
target_link_libraries(dictedit_crash_child PRIVATE dictedit_window)
add_executable(dictedit_crash_tests
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_crash_test.cpp
)
target_compile_definitions(dictedit_crash_tests PRIVATE
  DICTEDIT_CRASH_CHILD="$<TARGET_FILE:dictedit_crash_child>")
target_link_libraries(dictedit_crash_tests PRIVATE dictedit_window GTest::gtest)
add_dependencies(dictedit_crash_tests dictedit_crash_child)
gtest_discover_tests(dictedit_crash_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 600)

# The real program on a virtual X server, driven by xdotool.
add_executable(dictedit_xvfb_tests
  ${CMAKE_CURRENT_LIST_DIR}/dictedit_xvfb_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xvfb_session.cpp
)
target_compile_definitions(dictedit_xvfb_tests PRIVATE DICTEDIT_PROGRAM="$<TARGET_FILE:dictedit>")
target_link_libraries(dictedit_xvfb_tests PRIVATE lexiro_common GTest::gtest_main X11::X11)
add_dependencies(dictedit_xvfb_tests dictedit)
gtest_discover_tests(dictedit_xvfb_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
