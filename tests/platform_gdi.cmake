# Tests of the software GDI and of the resources service.
add_executable(test_platform_gdi
    ${CMAKE_CURRENT_LIST_DIR}/platform/gdi_objects_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform/gdi_text_test.cpp)
target_link_libraries(test_platform_gdi PRIVATE kv_platform_gdi GTest::gtest_main kv_options)
gtest_discover_tests(test_platform_gdi)

# LoadImageA against a table of sound and damaged resources linked in place of the pictures.
add_executable(test_platform_resources ${CMAKE_CURRENT_LIST_DIR}/platform/resources_test.cpp)
target_link_libraries(test_platform_resources PRIVATE kv_platform_resources kv_platform_gdi GTest::gtest_main kv_options)
gtest_discover_tests(test_platform_resources)

# The pictures as compiled in, against the committed .bmp files; and the generator still draws those files.
add_executable(test_pictures_embedded ${CMAKE_CURRENT_LIST_DIR}/platform/pictures_embedded_test.cpp)
target_compile_definitions(test_pictures_embedded PRIVATE KV_RES_DIR="${PROJECT_SOURCE_DIR}/res")
target_link_libraries(test_pictures_embedded PRIVATE kv_platform_resources kv_pictures_embedded kv_platform_gdi
                      GTest::gtest_main kv_options)
gtest_discover_tests(test_pictures_embedded)
add_test(NAME pictures_are_reproducible
         COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:make_pictures> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/pictures
                 -DRES=${PROJECT_SOURCE_DIR}/res -P ${CMAKE_CURRENT_LIST_DIR}/platform/pictures_reproducible.cmake)
