# `boards FROM TO`: the board of every seed in a range, one line each, to compare with other builds.
add_executable(boards ${CMAKE_CURRENT_LIST_DIR}/boards.cpp)
target_link_libraries(boards PRIVATE kv_game kv_options)
