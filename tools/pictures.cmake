# make_pictures: draws res/picture1.bmp .. picture3.bmp (run it by hand: make_pictures <folder>).
add_executable(make_pictures ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp)
target_link_libraries(make_pictures PRIVATE kv_options)
