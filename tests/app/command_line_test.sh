#!/usr/bin/env bash
# qvk and qvk-calc as a shell sees them: --version and --help answer without
# a display, and a wrong option is refused with status 64.
#
# Usage: command_line_test.sh QVK QVK_CALC VERSION
set -u
qvk=$1 calc=$2 version=$3
passed=0 failed=0

# expect NAME STATUS PATTERN COMMAND...: the command exits with STATUS and its
# output (standard output and error together) holds the extended regex PATTERN
expect() {
  local name=$1 status=$2 pattern=$3
  shift 3
  local output actual
  output=$("$@" 2>&1)
  actual=$?
  if [ "$actual" -eq "$status" ] && grep -Eq -- "$pattern" <<<"$output"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s: status %s (wanted %s), output:\n%s\n' "$name" "$actual" "$status" "$output"
  fi
}

# No display at all: a QApplication would abort here.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

expect "qvk --version without a display" 0 "^qvk \(Amateur Radio QVK\) $version\$" "${headless[@]}" "$qvk" --version
expect "qvk --help without a display" 0 "^Usage: qvk " "${headless[@]}" "$qvk" --help
expect "qvk -h" 0 "XDG_CONFIG_HOME" "${headless[@]}" "$qvk" -h
expect "an unknown option is named and refused" 64 "^qvk: unknown option '--frequency'" "${headless[@]}" "$qvk" --frequency
expect "an argument is refused" 64 "unexpected argument 'IO91'" "${headless[@]}" "$qvk" IO91
# Qt's options, with their values, are Qt's: the program lets them through
expect "Qt's options pass" 0 "$version" "${headless[@]}" "$qvk" -style fusion --platform=offscreen -reverse --version
expect "a Qt option without its value" 64 "'-style' needs a value" "${headless[@]}" "$qvk" -style
expect "qvk-calc --version" 0 "^qvk-calc \(Amateur Radio QVK\) $version\$" "$calc" --version

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
