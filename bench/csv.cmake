# bench_csv: the import reader's throughput on a 100 MB file, and the export of
# 1,000,000 events beside the sqlite3 shell writing the same four columns as CSV.
add_executable(bench_csv ${CMAKE_CURRENT_LIST_DIR}/bench_csv.cpp)
target_link_libraries(bench_csv PRIVATE marlune_csv bench_generator benchmark::benchmark)

# bench_search: the search dialog listing all 1,000,000 events, offscreen: the time
# until the list is painted and the process's peak memory. A process of its own, so
# that the peak is the dialog's alone.
add_executable(bench_search ${CMAKE_CURRENT_LIST_DIR}/bench_search.cpp)
target_link_libraries(bench_search PRIVATE marlune_bulk bench_generator benchmark::benchmark bench_windows_main)
