# The program as a whole: its texts, its run through the headless window, its desktop entry and, under
# Xvfb, the real GTK window driven by X input.
add_executable(test_app_texts app_texts_test.cpp)
target_link_libraries(test_app_texts PRIVATE kv_app kv_options PkgConfig::GTK3 GTest::gtest_main)
gtest_discover_tests(test_app_texts)

add_test(NAME desktop_entry_is_valid
         COMMAND desktop-file-validate ${PROJECT_BINARY_DIR}/src/app/${KV_APP_ID}.desktop)

if(KV_PROGRAM_COMPLETE AND TARGET kv_platform_kernel_fake AND TARGET kv_platform_user_headless)
    add_executable(test_app_headless app_headless_test.cpp)
    target_link_libraries(test_app_headless PRIVATE kv_app "$<LINK_GROUP:RESCAN,kv_game,kv_render>"
                          kv_platform_gdi kv_platform_resources kv_pictures_embedded kv_platform_user_headless
                          kv_platform_kernel_fake kv_options GTest::gtest_main)
    gtest_discover_tests(test_app_headless)
endif()

# GTK under the sanitizers reports GLib's own one-time allocations; the real window is tested in release.
if(TARGET kvorinka AND NOT KV_SANITIZE)
    pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
    add_executable(gui_probe gui_probe.cpp)
    target_link_libraries(gui_probe PRIVATE kv_platform_gdi kv_options PkgConfig::GTK3 PkgConfig::X11)
    add_test(NAME gui_under_xvfb COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gui_test.sh $<TARGET_FILE:kvorinka>
                                         $<TARGET_FILE:gui_probe>)
    set_tests_properties(gui_under_xvfb PROPERTIES TIMEOUT 240)
endif()
