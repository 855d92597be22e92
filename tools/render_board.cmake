# render_board: saves a rendered board (some pairs closed, one cell selected) as a .bmp to look at.
add_executable(render_board ${CMAKE_CURRENT_LIST_DIR}/render_board.cpp)
target_link_libraries(render_board PRIVATE "$<LINK_GROUP:RESCAN,kv_game,kv_render>" kv_platform_gdi
                      kv_platform_resources kv_pictures_embedded kv_platform_kernel_fake kv_options)
