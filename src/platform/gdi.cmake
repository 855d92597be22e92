# The software GDI (objects, DCs, fills, block copies, text through FreeType and fontconfig, wsprintfA) and the
# resources service (LoadImageA over the pictures compiled into the program).
add_library(kv_platform_gdi STATIC
    ${CMAKE_CURRENT_LIST_DIR}/gdi/gdi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi/text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi/wsprintf.cpp)
target_link_libraries(kv_platform_gdi PUBLIC kv_options PRIVATE PkgConfig::FREETYPE PkgConfig::FONTCONFIG)
