# The software GDI (objects, DCs, fills, block copies, text through FreeType and fontconfig, wsprintfA) and the
# resources service (LoadImageA over the pictures compiled into the program).
add_library(kv_platform_gdi STATIC
    ${CMAKE_CURRENT_LIST_DIR}/gdi/gdi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi/text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi/wsprintf.cpp)
target_link_libraries(kv_platform_gdi PUBLIC kv_options PRIVATE PkgConfig::FREETYPE PkgConfig::FONTCONFIG)

# LoadImageA. The table of resources it searches is defined by kv_pictures_embedded (res/), or by a test's own
# table in its place, so the program links kv_platform_resources together with kv_pictures_embedded.
add_library(kv_platform_resources STATIC ${CMAKE_CURRENT_LIST_DIR}/resources/load_image.cpp)
target_link_libraries(kv_platform_resources PUBLIC kv_options kv_platform_gdi)
