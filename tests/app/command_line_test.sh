#!/usr/bin/env bash
# qvk and qvk-calc as a shell and the package see them: --version and --help
# answer without a display, a wrong option is refused with status 64, the
# manual page of qvk-calc names every command its --help names, and the bash
# completion offers the commands and each command's flags.
#
# Usage: command_line_test.sh QVK QVK_CALC VERSION COMPLETION MANUAL_PAGE
set -u
qvk=$1 calc=$2 version=$3 completion=$4 manual=$5
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

# The commands as --help lists them: the two-space lines under "Commands:".
commands=$("$calc" --help | awk '/^Commands:/ { inside = 1; next } inside && /^[^ ]/ { exit } inside && /^  [^ ]/ { print $1 }')
expect "--help lists the commands" 0 "bearing" echo "$commands"
for command in $commands; do
  spelled=${command//-/\\\\-}  # the page writes each hyphen as \-
  expect "the manual page describes $command" 0 "^\.(B|BI|BR) $spelled( |\$)" cat "$manual"
done

# complete WORDS...: what the completion offers after the words, the last
# being the word under the cursor
complete_words() {
  (
    PATH=$(dirname "$calc"):$PATH
    source "$completion"
    COMP_WORDS=(qvk-calc "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _qvk_calc
    if ((${#COMPREPLY[@]})); then printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '; fi
  )
}
expect "every command completes" 0 "^--help --version bearing call clock convert cty gmt grid inverse locator map rotate sun \$" \
  complete_words ""
expect "--help and --version complete" 0 "^--help --version \$" complete_words "--"
expect "a command completes from its start" 0 "^gmt grid \$" complete_words "g"
expect "a command's flags complete" 0 "^--cty --long --rotator \$" complete_words rotate EM72 IO91 "--"
expect "the map's flags, from its one synopsis line" 0 "^--cty --png --radius --size --target --utc \$" \
  complete_words map EM72 "--"
expect "only the command's own flags" 0 "^--dst --military \$" complete_words clock "India [5.5]" 12:00 "--"
expect "a flag's value is left to the operator" 0 "^\$" complete_words rotate --rotator ""

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
