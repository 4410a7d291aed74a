# bench_storage: the day lookup, the batch insert and the title search of the
# storage layer, each beside a bare prepared sqlite3 statement doing the same work.
add_executable(bench_storage ${CMAKE_CURRENT_LIST_DIR}/bench_storage.cpp)
target_link_libraries(bench_storage PRIVATE bench_generator marlune_storage SQLite::SQLite3 benchmark::benchmark)
