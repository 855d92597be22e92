# USER: windows, menus, the message loop, painting, timers and message boxes; one real back end and one for tests.
set(KV_APP_ID "io.github.kvorinka.Kvorinka" CACHE INTERNAL "The one name of the program on the desktop")

add_library(kv_platform_user_gtk STATIC user_common.cpp user_gtk.cpp)
target_link_libraries(kv_platform_user_gtk PUBLIC kv_options PRIVATE PkgConfig::GTK3)
target_compile_definitions(kv_platform_user_gtk PRIVATE KV_APP_ID="${KV_APP_ID}")

add_library(kv_platform_user_headless STATIC user_common.cpp user_headless.cpp)
target_link_libraries(kv_platform_user_headless PUBLIC kv_options)
