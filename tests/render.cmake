# The board renderer and the picture set, pixel by pixel, on the software GDI and the compiled-in pictures.
add_executable(test_render ${CMAKE_CURRENT_LIST_DIR}/render/board_renderer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render/window_dc_double.cpp)
target_include_directories(test_render PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(test_render PRIVATE kv_render kv_pictures_embedded GTest::gtest_main kv_options)
gtest_discover_tests(test_render)
