# bench_generator: deterministic benchmark data shared by every benchmark. A database
# file of N events (made once per N and kept in the build folder) and the events
# themselves, for benchmarks that write CSV files from the same data.
add_library(bench_generator STATIC
  ${CMAKE_CURRENT_LIST_DIR}/support/BenchData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/support/BenchData.h
)
target_include_directories(bench_generator PUBLIC ${CMAKE_CURRENT_LIST_DIR}/support)
target_link_libraries(bench_generator PUBLIC marlune_storage Qt6::Core PRIVATE SQLite::SQLite3)
target_compile_definitions(bench_generator PRIVATE
  MARLUNE_BENCH_DATA_DIR="${CMAKE_BINARY_DIR}/bench-data")

# bench_windows_main: the main of the benchmarks that show windows (offscreen Qt).
add_library(bench_windows_main STATIC ${CMAKE_CURRENT_LIST_DIR}/support/BenchWindowsMain.cpp)
target_link_libraries(bench_windows_main PUBLIC Qt6::Widgets benchmark::benchmark)
