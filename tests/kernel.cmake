# Tests of the kernel service: the real clocks against the system's, and the still clocks tests use.
add_executable(kernel_tests ${CMAKE_CURRENT_LIST_DIR}/kernel/kernel_linux_test.cpp)
target_link_libraries(kernel_tests PRIVATE kv_platform_kernel kv_options GTest::gtest_main)
gtest_discover_tests(kernel_tests)

add_executable(kernel_fake_tests ${CMAKE_CURRENT_LIST_DIR}/kernel/kernel_fake_test.cpp)
target_link_libraries(kernel_fake_tests PRIVATE kv_platform_kernel_fake kv_options GTest::gtest_main)
gtest_discover_tests(kernel_fake_tests)
