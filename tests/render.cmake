# The board renderer and the picture set, pixel by pixel, on the software GDI and the compiled-in pictures.
set(render_test_sources ${CMAKE_CURRENT_LIST_DIR}/render/board_renderer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render/window_dc_double.cpp)
if(NOT TARGET kv_game)
    list(APPEND render_test_sources ${CMAKE_CURRENT_LIST_DIR}/render/game_state_stand_in.cpp)
endif()
add_executable(test_render ${render_test_sources})
target_include_directories(test_render PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(test_render PRIVATE kv_render kv_pictures_embedded GTest::gtest_main kv_options)
gtest_discover_tests(test_render)
