# The kernel service: the real clocks for the game, and still clocks that tests move by hand.
add_library(kv_platform_kernel STATIC ${CMAKE_CURRENT_LIST_DIR}/kernel_linux.cpp)
target_link_libraries(kv_platform_kernel PUBLIC kv_options)

add_library(kv_platform_kernel_fake STATIC ${CMAKE_CURRENT_LIST_DIR}/kernel_fake.cpp)
target_link_libraries(kv_platform_kernel_fake PUBLIC kv_options)
