# Runs make_pictures into a scratch folder and checks it writes the committed pictures byte for byte.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make_pictures failed: ${result}")
endif()
foreach(i 1 2 3)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/picture${i}.bmp ${RES}/picture${i}.bmp
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "picture${i}.bmp differs from what make_pictures draws now")
    endif()
endforeach()
