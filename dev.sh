#!/usr/bin/env bash
# Marlune's one entry for developers and CI.
#   ./dev.sh run     install what is missing, build, and start Marlune
#   ./dev.sh test    install what is missing, build, and run the whole test suite
#   ./dev.sh bench   build and run the benchmarks (Release build)
#   ./dev.sh fuzz [SECONDS]   build the fuzz targets with clang and run each for SECONDS (default 60)
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() { # package list files; default: the one list of the program
  mapfile -t wanted < <(cat "${@:-tools/debian-packages.txt}" | grep -v '^\s*#' | sed '/^\s*$/d')
  missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

configure() { # $1 build dir, $2 build type, rest extra cmake args
  local dir=$1 type=$2; shift 2
  export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/marlune-ccache} CCACHE_BASEDIR=$here
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
  fi
}

configure_and_build() { # as configure, then builds everything
  configure "$@"
  cmake --build "$1" -j "$(nproc)"
}

cmd=${1:-}
case "$cmd" in
  run)
    install_packages
    configure_and_build build/debug RelWithDebInfo
    exec build/debug/src/app/marlune
    ;;
  test)
    install_packages
    configure_and_build build/debug RelWithDebInfo
    QT_QPA_PLATFORM=offscreen ctest --test-dir build/debug --output-on-failure -j "$(nproc)"
    ;;
  bench)
    install_packages
    configure_and_build build/release Release -DMARLUNE_BENCH=ON -DMARLUNE_TESTS=OFF
    for b in build/release/bench/bench_*; do
      if [ -f "$b" ] && [ -x "$b" ]; then "$b" "${@:2}"; fi
    done
    ;;
  fuzz)
    install_packages tools/debian-packages.txt tools/debian-packages-fuzz.txt
    configure build/fuzz Debug -DMARLUNE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DMARLUNE_TESTS=OFF
    cmake --build build/fuzz -j "$(nproc)" --target fuzz_csv_import
    secs=${2:-60}
    for f in build/fuzz/fuzz/fuzz_*; do
      [ -f "$f" ] && [ -x "$f" ] || continue
      mkdir -p "build/fuzz/corpus/$(basename "$f")"
      "$f" -max_total_time="$secs" "build/fuzz/corpus/$(basename "$f")"
    done
    ;;
  *)
    sed -n '2,6p' "$0"; exit 2 ;;
esac
