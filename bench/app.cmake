# bench_app: the main window's day switch and start-up on a database of 1,000,000 events.
add_executable(bench_app ${CMAKE_CURRENT_LIST_DIR}/bench_app.cpp)
target_link_libraries(bench_app PRIVATE marlune_app bench_generator benchmark::benchmark SQLite::SQLite3 bench_windows_main)
