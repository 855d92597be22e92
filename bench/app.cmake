# Start-up to the first painted frame and peak memory of the real program, beside a minimal GTK 3 window.
if(TARGET kvorinka)
    pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
    add_executable(bench_minimal_window minimal_window.cpp)
    target_link_libraries(bench_minimal_window PRIVATE kv_options PkgConfig::GTK3)
    add_executable(first_frame first_frame.cpp)
    target_link_libraries(first_frame PRIVATE kv_options PkgConfig::X11)
endif()
