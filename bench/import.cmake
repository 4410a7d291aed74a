# bench_import: the import dialog with a 100,000-row file, offscreen: opening it (read,
# checked, shown), storing it, both together beside the sqlite3 shell's .import of the
# same file, a file whose every row is faulty, and deleting one row of it.
add_executable(bench_import ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp)
target_link_libraries(bench_import PRIVATE marlune_import bench_generator benchmark::benchmark bench_windows_main)
