add_executable(dictionary_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/sqlite_database_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dictionary_table_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/term_extraction_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dictionary_lookup_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/translation_pass_test.cpp
)
target_link_libraries(dictionary_tests PRIVATE lexiro_passes lexiro_common GTest::gtest_main)
gtest_discover_tests(dictionary_tests DISCOVERY_TIMEOUT 60)

add_executable(make_dictionary_tests ${CMAKE_CURRENT_SOURCE_DIR}/make_dictionary_test.cpp)
target_link_libraries(make_dictionary_tests PRIVATE lexiro_common GTest::gtest_main)
target_compile_definitions(make_dictionary_tests PRIVATE
  MAKE_DICTIONARY="$<TARGET_FILE:make_dictionary>"
  STARTER_DICTIONARY="${PROJECT_SOURCE_DIR}/data/starter_dictionary.tsv")
add_dependencies(make_dictionary_tests make_dictionary)
gtest_discover_tests(make_dictionary_tests DISCOVERY_TIMEOUT 60)
