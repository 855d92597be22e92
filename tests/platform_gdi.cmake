# Tests of the software GDI and of the resources service.
add_executable(test_platform_gdi
    ${CMAKE_CURRENT_LIST_DIR}/platform/gdi_objects_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform/gdi_text_test.cpp)
target_link_libraries(test_platform_gdi PRIVATE kv_platform_gdi GTest::gtest_main kv_options)
gtest_discover_tests(test_platform_gdi)
