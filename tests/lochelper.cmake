add_executable(pass_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/line_layout_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/accelerator_test.cpp
)
target_link_libraries(pass_tests PRIVATE lexiro_passes GTest::gtest_main)
gtest_discover_tests(pass_tests DISCOVERY_TIMEOUT 60)

add_executable(main_window_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/gui_test_main.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widget_prompts_test.cpp
)
target_link_libraries(main_window_tests PRIVATE lochelper_window Qt6::Test GTest::gtest)
gtest_discover_tests(main_window_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The real program on a virtual X server.
find_package(X11 REQUIRED)
add_executable(lochelper_xvfb_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/lochelper_xvfb_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_session.cpp
)
target_compile_definitions(lochelper_xvfb_tests PRIVATE LOCHELPER_PROGRAM="$<TARGET_FILE:lochelper>")
target_link_libraries(lochelper_xvfb_tests PRIVATE GTest::gtest_main X11::X11)
add_dependencies(lochelper_xvfb_tests lochelper)
gtest_discover_tests(lochelper_xvfb_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
