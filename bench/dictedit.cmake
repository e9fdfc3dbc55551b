# The dictionary editor on a 1,000,000-entry dictionary: open, save, add and save.
add_executable(dictedit_bench ${CMAKE_CURRENT_LIST_DIR}/dictedit_bench.cpp)
target_link_libraries(dictedit_bench PRIVATE dictedit_window)
set_target_properties(dictedit_bench PROPERTIES EXCLUDE_FROM_ALL ON)
