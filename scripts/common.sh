# Sourced by the other scripts, with $root set to the repository.

# Installs the Debian packages named as arguments when any of them is missing.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  # With the recommended packages: Wine draws text with the fonts it recommends.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# The native build with its tests, in build/native.
build_native() {
  ensure_packages cmake make g++ libgtest-dev
  cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/native" -j "$(nproc)"
}

# The tests and the fuzzer built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, in build/sanitize.
build_sanitized() {
  ensure_packages cmake make g++ clang libclang-rt-14-dev libgtest-dev libxml2-dev
  CXX=clang++ cmake -S "$root" -B "$root/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESTRIN_SANITIZE=ON -DKESTRIN_FUZZ=ON >/dev/null
  cmake --build "$root/build/sanitize" -j "$(nproc)"
}

# Runs the fuzzer for the given number of seconds from the seed corpus. New
# inputs go to build/fuzz/corpus; a failing input is left in
# build/fuzz/artifacts and fails the run.
run_fuzzer() {
  local seconds=$1
  mkdir -p "$root/build/fuzz/corpus" "$root/build/fuzz/artifacts"
  "$root/build/sanitize/tests/fuzz/settings_fuzzer" -max_total_time="$seconds" -max_len=16384 \
    -dict="$root/tests/fuzz/settings.dict" -artifact_prefix="$root/build/fuzz/artifacts/" \
    -print_final_stats=1 "$root/build/fuzz/corpus" "$root/tests/fuzz/corpus"
}

# Both Windows programs, their tests and the zip, cross-built with
# mingw-w64 into build/windows.
build_windows() {
  ensure_packages cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  cmake -S "$root" -B "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/windows" -j "$(nproc)"
}

# Starts a virtual X display for Wine unless one is given, and stops it
# when the calling script ends.
start_display() {
  ensure_packages wine wine64 xvfb
  [ -n "${DISPLAY:-}" ] && return 0
  local number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
  export DISPLAY=":$number"
  local waited=0
  until [ -e "/tmp/.X11-unix/X$number" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
  done
}
