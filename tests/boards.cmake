# The `boards` tool: its output for the worked seeds and its handling of bad command lines.
add_test(NAME boards.tool COMMAND ${CMAKE_CURRENT_LIST_DIR}/tools/boards_test.sh $<TARGET_FILE:boards>)
