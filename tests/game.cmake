# Tests of the game core: random source, generator, move rules and clock. The kernel's clocks are
# the still ones, the renderer is a recording double, and NextRandom is wrapped so that the tests
# can count the generator's draws without a hook in the game.
add_executable(game_tests
    ${CMAKE_CURRENT_LIST_DIR}/game/board_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/generation_trace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/recording_renderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/random_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/generator_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/sweep_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game/clock_test.cpp)
target_link_libraries(game_tests PRIVATE kv_game kv_platform_kernel_fake kv_options GTest::gtest_main)
target_link_options(game_tests PRIVATE -Wl,--wrap=_Z10NextRandomv)
gtest_discover_tests(game_tests)
