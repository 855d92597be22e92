# The USER layer on its own, through the headless back end; painting needs the software GDI.
if(TARGET kv_platform_gdi)
    add_executable(test_user_headless user_headless_test.cpp)
    target_link_libraries(test_user_headless PRIVATE kv_platform_user_headless kv_platform_gdi kv_options
                          GTest::gtest_main)
    gtest_discover_tests(test_user_headless)
endif()
