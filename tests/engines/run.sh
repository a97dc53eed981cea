#!/usr/bin/env bash
# The real-engine check: each engine gets the Scrnsave.cfg and the argument
# line that Kavrin's own code writes (kavrin_files), is started in its game
# folder as run mode starts it, and must play the demos as a ring. DarkPlaces
# and QuakeSpasm stand for Quake, OpenArena's ioquake3 for Quake III.
# On demand, not part of scripts/test.sh: it installs the engines (several
# hundred MB). One line per case, then "engines: N passed, M failed";
# the logs stay in build/engines/logs.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
work=$root/build/engines
logs=$work/logs
kavrin_files=$root/build/native/tests/engines/kavrin_files
quake_files=$root/tests/engines/quake_files.py
oa_data=/usr/lib/openarena/baseoa

# What each engine needs to run headless; a case adds its base directory and
# Kavrin's argument line.
darkplaces_opts=(-nohome -nosound -window -width 320 -height 240 -nocdaudio)
quakespasm_opts=(-nosound -window -width 320 -height 240 -nocdaudio)
ioq3_opts=(+set com_basegame baseoa
  +set r_mode -1 +set r_customwidth 320 +set r_customheight 240 +set r_fullscreen 0
  +set s_initsound 0 +set logfile 2 +set com_introplayed 1 +set in_nograb 1
  +set cl_renderer opengl1 +set com_maxfps 60 +set net_enabled 0)

install_engines() {
  local missing=() p sudo=""
  for p in quakespasm darkplaces openarena xvfb xauth libgl1-mesa-dri libnss-wrapper; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "engines: installing ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
}

build_kavrin_files() {
  local tool ready=1
  for tool in cmake ninja g++ python3; do command -v "$tool" >/dev/null || ready=0; done
  dpkg -s libgtest-dev >/dev/null 2>&1 || ready=0
  [ "$ready" -eq 1 ] || bash "$root/scripts/setup.sh"
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/native" --target kavrin_files >/dev/null
}

# Everything below runs on a virtual display of its own.
if [ -z "${KAVRIN_ENGINES_XVFB:-}" ]; then
  install_engines
  build_kavrin_files
  KAVRIN_ENGINES_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

# The demo starts a log shows, as letters in order: "ABCA".
demo_starts() {
  { grep -ao -m 40 'KAVRIN_DEMO_[A-Z]' "$1" || true; } | cut -c13 | tr -d '\n'
}

spaced() {
  local i
  for ((i = 0; i < ${#1}; i++)); do printf '%s ' "${1:i:1}"; done
}

# What a ring of LETTERS shows first: ABC gives ABCA, AB gives ABA.
ring_of() {
  local n=${#1} i out=""
  for ((i = 0; i < (n + 1 > 3 ? n + 1 : 3); i++)); do out+=${1:i%n:1}; done
  echo "$out"
}

engine_pid=""
trap '[ -n "$engine_pid" ] && kill -TERM "$engine_pid" 2>/dev/null; true' EXIT

# run_engine NAME GAME LIMIT QUIET WANT CMD...: runs CMD in the game folder
# GAME for at most LIMIT seconds, logging to logs/NAME.log. Stops it early
# once the log shows the demo starts WANT, or QUIET seconds after its last
# new demo start.
run_engine() {
  local name=$1 game=$2 limit=$3 quiet=$4 want=$5 log=$logs/$1.log
  shift 5
  local home=$work/homes/$name
  mkdir -p "$home"
  printf '# cd %s && %s\n' "$game" "$*" >"$log"
  # Mesa finds its shader cache through XDG_CACHE_HOME, else the password
  # database: both point into the check's folder.
  (cd "$game" && exec env HOME="$home" XDG_CACHE_HOME="$home/.cache" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" timeout -k 2 "$limit" "$@") >>"$log" 2>&1 </dev/null &
  engine_pid=$!
  local seen="" now last=$SECONDS
  while kill -0 "$engine_pid" 2>/dev/null; do
    sleep 0.2
    now=$(demo_starts "$log")
    [ -n "$want" ] && [[ $now == "$want"* ]] && break
    if [ "$now" != "$seen" ]; then
      seen=$now last=$SECONDS
    elif [ -n "$seen" ] && ((SECONDS - last >= quiet)); then
      break
    fi
  done
  kill -TERM "$engine_pid" 2>/dev/null || true
  wait "$engine_pid" 2>/dev/null || true
  engine_pid=""
}

passed=0 failed=0 others=()
verdict() {
  echo "$1 $2: $3"
  case $1 in
    PASS) passed=$((passed + 1)) ;;
    FAIL) failed=$((failed + 1)) ;;
    *) others+=("$1 $2: $3") ;;
  esac
}

# judge NAME WANT LIMIT_STARTS LIMIT_TEXT: a case passes when its log shows
# the ring WANT; showing LIMIT_STARTS instead is the known limit that
# LIMIT_TEXT explains. QuakeSpasm stopping for want of id's data is noted as
# not checked, never passed.
judge() {
  local name=$1 want=$2 limit=$3 text=$4 log=$logs/$1.log starts error
  starts=$(demo_starts "$log")
  if [[ $starts == "$want"* ]]; then
    verdict PASS "$name" "demo starts $(spaced "$want")in list order"
  elif [ -n "$limit" ] && [ "$starts" = "$limit" ]; then
    verdict EXPECTED-LIMIT "$name" "$text"
  elif [[ $name == quakespasm/* ]] &&
    error=$(grep -aE -m1 "QUAKE ERROR: (Couldn't load gfx/|W_LoadWadFile|You must have the registered version)" "$log"); then
    verdict NOT-CHECKED "$name" "the engine stopped before any script ran (${error%.}): it needs id's data"
  elif ! grep -aq 'execing Scrnsave.cfg' "$log"; then
    verdict FAIL "$name" "Scrnsave.cfg never ran; demo starts '$starts', want $want"
  else
    verdict FAIL "$name" "demo starts '$starts', want $want"
  fi
}

crlf_lines() { printf '%s\r\n' "$@"; }

# QuakeSpasm takes its user folder (~/.quakespasm, read before the game
# folder) from the password database, not from $HOME: nss_wrapper gives it
# one in the check's own folder, so none of the user's files is read or
# written there, nor any of id's data that may lie there. Sets wrapper.
quakespasm_env() {
  local home=$work/homes/$1
  mkdir -p "$home"
  printf '%s:x:%s:%s::%s:/bin/sh\n' "$(id -un)" "$(id -u)" "$(id -g)" "$home" >"$home/passwd"
  printf '%s:x:%s:\n' "$(id -gn)" "$(id -g)" >"$home/group"
  wrapper=(env LD_PRELOAD=libnss_wrapper.so "NSS_WRAPPER_PASSWD=$home/passwd" "NSS_WRAPPER_GROUP=$home/group")
}

# quake_case ENGINE MOD: a Quake folder whose id1 holds a quake.rc like the
# game's own (its startdemos line last). With MOD, the folder the README has
# the player make, holding the first four lines, and the first demo.
quake_case() {
  local engine=$1 mod=$2 label=no-mod name game line words stock_rc wrapper
  [ -n "$mod" ] && label=mod-$mod
  name=$engine/$label game=$work/games/$engine-$label
  mkdir -p "$game/id1"
  python3 "$quake_files" wad "$game/id1/gfx.wad"
  stock_rc=('exec default.cfg' 'exec config.cfg' 'exec autoexec.cfg' stuffcmds)
  crlf_lines "${stock_rc[@]}" 'startdemos demo1 demo2 demo3' >"$game/id1/quake.rc"
  if [ -n "$mod" ]; then
    mkdir -p "$game/$mod"
    crlf_lines "${stock_rc[@]}" >"$game/$mod/quake.rc"
  fi
  python3 "$quake_files" demo "$game/${mod:-id1}/a.dem" A
  python3 "$quake_files" demo "$game/id1/b.dem" B
  python3 "$quake_files" demo "$game/id1/c.dem" C
  line=$("$kavrin_files" "$game" "$engine.exe" "$mod" a.dem b.dem c.dem)
  read -ra words <<<"$line"
  case $engine in
    darkplaces) run_engine "$name" "$game" 30 5 ABCA \
      /usr/games/darkplaces -basedir "$game" "${darkplaces_opts[@]}" "${words[@]}" ;;
    quakespasm)
      quakespasm_env "$name"
      run_engine "$name" "$game" 30 5 ABCA \
        "${wrapper[@]}" /usr/games/quakespasm -basedir "$game" "${quakespasm_opts[@]}" "${words[@]}" ;;
  esac
  if [ -n "$mod" ]; then
    judge "$name" ABCA "" ""
  else
    judge "$name" ABCA A "only the first demo played, then the console: the startdemos line of id1's quake.rc, run after Kavrin's script, replaced its list"
  fi
}

# darkplaces_names_case: what DarkPlaces does with the names the game
# table judges for it. With the loop folder as the mod: a name with
# brackets (its console splits at blanks only), a 19-character name whose
# first 15 are its stem (playdemo adds ".dem" to what it keeps) and a
# 20-character one (cut to 15, not found: the loop stops there). The
# demos start A D B and no more, as the play note says.
darkplaces_names_case() {
  local name=darkplaces/names game=$work/games/darkplaces-names line words starts
  local stock_rc=('exec default.cfg' 'exec config.cfg' 'exec autoexec.cfg' stuffcmds)
  mkdir -p "$game/id1" "$game/kavrin"
  python3 "$quake_files" wad "$game/id1/gfx.wad"
  crlf_lines "${stock_rc[@]}" 'startdemos demo1 demo2 demo3' >"$game/id1/quake.rc"
  crlf_lines "${stock_rc[@]}" >"$game/kavrin/quake.rc"
  python3 "$quake_files" demo "$game/id1/a.dem" A
  python3 "$quake_files" demo "$game/id1/d(1).dem" D
  python3 "$quake_files" demo "$game/id1/fifteen_chars_b.dem" B
  python3 "$quake_files" demo "$game/id1/sixteen_chars_cc.dem" C
  line=$("$kavrin_files" "$game" darkplaces.exe kavrin a.dem "d(1).dem" fifteen_chars_b.dem sixteen_chars_cc.dem)
  read -ra words <<<"$line"
  run_engine "$name" "$game" 30 5 "" /usr/games/darkplaces -basedir "$game" "${darkplaces_opts[@]}" "${words[@]}"
  starts=$(demo_starts "$logs/$name.log")
  if [ "$starts" = ADB ]; then
    verdict PASS "$name" "demo starts A D B, then the loop stops at the name cut to 15 characters"
  else
    verdict FAIL "$name" "demo starts '$starts', want ADB and no more"
  fi
}

# OpenArena's data in baseq3, where Kavrin writes, and baseoa, the base
# folder of the OpenArena engine, as a link to it: the engine reads the very
# folder a Quake III install would have. (Making baseq3 the engine's base
# game instead makes it ask for id's own pak files.)
oa_game() {
  mkdir -p "$1/baseq3"
  ln -s "$oa_data"/* "$1/baseq3/"
  ln -s baseq3 "$1/baseoa"
}

ioq3() {
  local name=$1 game=$2 limit=$3 quiet=$4 want=$5
  shift 5
  run_engine "$name" "$game" "$limit" "$quiet" "$want" /usr/lib/ioquake3/ioquake3 \
    +set fs_basepath "$game" +set fs_homepath "$game" "${ioq3_opts[@]}" "$@"
}

# Three short demos recorded by the engine with a bot: each says its
# letter, which the chat shows again when the demo plays.
record_oa_demos() {
  local game=$work/games/openarena-record letter
  oa_game "$game"
  {
    printf '%s\n' 'set g_doWarmup 0' 'set fraglimit 0' 'set timelimit 0' 'set g_synchronousClients 1' \
      'map oa_dm1' 'wait 60' 'addbot sarge 2' 'wait 60'
    for letter in a b c; do
      printf '%s\n' "record $letter" 'wait 30' "say KAVRIN_DEMO_${letter^}" 'wait 200' stoprecord
    done
    echo quit
  } >"$game/baseq3/record.cfg"
  ioq3 openarena/record "$game" 300 300 "" +exec record.cfg
  recorded=$game/baseq3/demos
}

# q3_case MOD LETTERS: the demos LETTERS in baseq3/demos, or with MOD only in
# the mod's demos folder.
q3_case() {
  local mod=$1 letters=$2 label=no-mod name game dir names=() letter line words
  [ -n "$mod" ] && label=mod-$mod
  name=openarena/$label game=$work/games/openarena-$label
  oa_game "$game"
  dir=$game/${mod:-baseq3}/demos
  mkdir -p "$dir"
  for letter in $(spaced "${letters,,}"); do
    if ! cp "$recorded/$letter.dm_71" "$dir/"; then
      verdict FAIL "$name" "no recorded demo $letter.dm_71: see $logs/openarena/record.log"
      return
    fi
    names+=("$letter.dm_71")
  done
  line=$("$kavrin_files" "$game" ioquake3.exe "$mod" "${names[@]}")
  read -ra words <<<"$line"
  ioq3 "$name" "$game" 60 20 "$(ring_of "$letters")" "${words[@]}"
  judge "$name" "$(ring_of "$letters")" "" ""
}

rm -rf "$work/games" "$work/homes" "$logs"
mkdir -p "$logs/darkplaces" "$logs/quakespasm" "$logs/openarena"

for engine in darkplaces quakespasm; do
  quake_case "$engine" ""
  quake_case "$engine" kavrin
done
darkplaces_names_case
record_oa_demos
q3_case "" ABC
q3_case kavmod AB

if [ ${#others[@]} -gt 0 ]; then
  echo "engines: known limits and cases not checked:"
  printf '  %s\n' "${others[@]}"
fi
echo "engines: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
