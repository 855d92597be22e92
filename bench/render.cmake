# The renderer's benchmarks: DrawBoard, and one click's redraw with the copy to the window.
add_executable(bench_render ${CMAKE_CURRENT_LIST_DIR}/bench_render.cpp)
target_link_libraries(bench_render PRIVATE "$<LINK_GROUP:RESCAN,kv_game,kv_render>" kv_platform_gdi
                      kv_platform_resources kv_pictures_embedded kv_platform_kernel_fake benchmark::benchmark
                      kv_options)
