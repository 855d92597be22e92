# Benchmarks of the game core: how fast the generator builds boards.
add_executable(bench_generator ${CMAKE_CURRENT_LIST_DIR}/bench_generator.cpp)
target_link_libraries(bench_generator PRIVATE kv_game kv_options benchmark::benchmark)
