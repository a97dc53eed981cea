#!/usr/bin/env bash
# The real-engine check: each engine gets the Scrnsave.cfg and the argument
# line that Kavrin's own code writes (kavrin_game_files), is started in its game
# folder as run mode starts it, and must play the demos as a ring. DarkPlaces
# and QuakeSpasm stand for Quake, ezQuake for QuakeWorld, Yamagi Quake II and
# Q2PRO for Quake II, OpenArena's ioquake3 for Quake III.
# On demand, not part of scripts/test.sh: it installs the engines (several
# hundred MB) and builds the two Quake II engines from the source archives
# in ../shared/engines. One line per case, then "engines: N passed, M
# failed"; the logs stay in build/engines/logs.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
work=$root/build/engines
logs=$work/logs
kavrin_game_files=$root/build/native/tests/engines/kavrin_game_files
quake_files=$root/tests/engines/quake_files.py
quake2_files=$root/tests/engines/quake2_files.py
quakeworld_files=$root/tests/engines/quakeworld_files.py
oa_data=/usr/lib/openarena/baseoa
# Debian packages no Quake II engine: their source archives lie beside the
# repository, and each builds into a folder named after its archive.
engine_sources=$(cd "$root/.." && pwd)/shared/engines
yquake2_archive=$(echo "$engine_sources"/yquake2-*.tar.gz)
q2pro_archive=$(echo "$engine_sources"/q2pro-*.tar.gz)
yquake2_src=$work/$(basename "$yquake2_archive" .tar.gz)
q2pro_src=$work/$(basename "$q2pro_archive" .tar.gz)
yquake2=$yquake2_src/release
q2pro=$q2pro_src/build/q2pro

# What each engine needs to run headless; a case adds its base directory and
# Kavrin's argument line.
darkplaces_opts=(-nohome -nosound -window -width 320 -height 240 -nocdaudio)
quakespasm_opts=(-nosound -window -width 320 -height 240 -nocdaudio)
# -condebug: ezQuake writes its console only to qw/qconsole.log.
ezquake_opts=(-nosound -window -condebug)
ioq3_opts=(+set com_basegame baseoa
  +set r_mode -1 +set r_customwidth 320 +set r_customheight 240 +set r_fullscreen 0
  +set s_initsound 0 +set logfile 2 +set com_introplayed 1 +set in_nograb 1
  +set cl_renderer opengl1 +set com_maxfps 60 +set net_enabled 0)

install_engines() {
  local missing=() p sudo=""
  for p in quakespasm darkplaces ezquake openarena xvfb xauth libgl1-mesa-dri libnss-wrapper \
    make gcc pkg-config meson ninja-build zlib1g-dev libsdl2-dev libx11-dev libgl-dev; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "engines: installing ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
}

build_kavrin_game_files() {
  local tool ready=1
  for tool in cmake ninja g++ python3; do command -v "$tool" >/dev/null || ready=0; done
  dpkg -s libgtest-dev >/dev/null 2>&1 || ready=0
  [ "$ready" -eq 1 ] || bash "$root/scripts/setup.sh"
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/native" --target kavrin_game_files >/dev/null
}

# unpack ARCHIVE FOLDER: the source as it is, in a folder of its own.
unpack() {
  rm -rf "$2"
  mkdir -p "$2"
  tar -xzf "$1" -C "$2" --strip-components=1
}

# The two Quake II engines, built once: a build whose programs are there is
# kept. Sound, downloads and SDL3 are left out; demos need none of them.
build_quake2_engines() {
  local log
  [ -f "$yquake2_archive" ] && [ -f "$q2pro_archive" ] ||
    { echo "engines: the Quake II engine sources are not in $engine_sources"; exit 1; }
  if [ ! -x "$yquake2/quake2" ] || [ ! -x "$yquake2/q2ded" ] || [ ! -f "$yquake2/ref_soft.so" ] ||
    [ ! -f "$yquake2/baseq2/game.so" ]; then
    echo "engines: building $(basename "$yquake2_src")"
    log=$yquake2_src.log
    unpack "$yquake2_archive" "$yquake2_src"
    make -C "$yquake2_src" -j"$(nproc)" server client game ref_soft \
      WITH_SDL3=no WITH_OPENAL=no WITH_CURL=no >"$log" 2>&1 ||
      { echo "engines: the build failed, see $log"; exit 1; }
  fi
  if [ ! -x "$q2pro" ]; then
    echo "engines: building $(basename "$q2pro_src")"
    log=$q2pro_src.log
    unpack "$q2pro_archive" "$q2pro_src"
    # Its version comes from git otherwise; the archive names the commit
    # but not the revision count.
    echo "r0~${q2pro_src##*-}" >"$q2pro_src/VERSION"
    (cd "$q2pro_src" &&
      meson setup build --wrap-mode=nodownload -Dsystem-wide=false -Dsdl2=enabled -Dx11=enabled \
        -Dwayland=disabled -Dopenal=disabled -Dlibcurl=disabled -Dlibpng=disabled \
        -Dlibjpeg=disabled -Davcodec=disabled &&
      ninja -C build q2pro) >"$log" 2>&1 ||
      { echo "engines: the build failed, see $log"; exit 1; }
  fi
}

# Everything below runs on a virtual display of its own.
if [ -z "${KAVRIN_ENGINES_XVFB:-}" ]; then
  install_engines
  build_kavrin_game_files
  build_quake2_engines
  KAVRIN_ENGINES_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

# The demo starts a log shows, as letters in order: "ABCA".
demo_starts() {
  { grep -ao -m 40 'KAVRIN_DEMO_[A-Z]' "$1" 2>/dev/null || true; } | cut -c13 | tr -d '\n'
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
# new demo start. An engine that logs to a file of its own names it in
# engine_log; it is watched instead, and added to the log at the end.
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
    now=$(demo_starts "${engine_log:-$log}")
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
  if [ -n "${engine_log:-}" ]; then cat "$engine_log" >>"$log" 2>/dev/null || true; fi
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
# LIMIT_TEXT explains.
judge() {
  local name=$1 want=$2 limit=$3 text=$4 log=$logs/$1.log starts error
  starts=$(demo_starts "$log")
  if [[ $starts == "$want"* ]]; then
    verdict PASS "$name" "demo starts $(spaced "$want")in list order"
  elif [ -n "$limit" ] && [ "$starts" = "$limit" ]; then
    verdict EXPECTED-LIMIT "$name" "$text"
  elif ! grep -aqiE 'execing (.*/)?Scrnsave\.cfg' "$log"; then
    error=$(grep -a -m1 'ERROR' "$log" || true)
    verdict FAIL "$name" "Scrnsave.cfg never ran${error:+ ($error)}; demo starts '$starts', want $want"
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
  local engine=$1 mod=$2 label=no-mod name game line words stock_rc
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
  line=$("$kavrin_game_files" "$game" "$engine.exe" "$mod" a.dem b.dem c.dem)
  read -ra words <<<"$line"
  run_engine "$name" "$game" 30 5 ABCA \
    /usr/games/darkplaces -basedir "$game" "${darkplaces_opts[@]}" "${words[@]}"
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
  line=$("$kavrin_game_files" "$game" darkplaces.exe kavrin a.dem "d(1).dem" fifteen_chars_b.dem sixteen_chars_cc.dem)
  read -ra words <<<"$line"
  run_engine "$name" "$game" 30 5 "" /usr/games/darkplaces -basedir "$game" "${darkplaces_opts[@]}" "${words[@]}"
  starts=$(demo_starts "$logs/$name.log")
  if [ "$starts" = ADB ]; then
    verdict PASS "$name" "demo starts A D B, then the loop stops at the name cut to 15 characters"
  else
    verdict FAIL "$name" "demo starts '$starts', want ADB and no more"
  fi
}

# quakespasm_case LABEL MOD WANT FILE=WHAT...: a Quake folder as quake_case
# makes it, registered by a gfx/pop.lmp unless qs_shareware is set and
# named after qs_folder where that is set; FILE is a demo's path below the
# game folder (id1/a.dem, or in MOD's folder), WHAT its letter, "empty" for
# a 0-byte file or "missing" for none. The caller judges the log.
quakespasm_case() {
  local label=$1 mod=$2 want=$3 name game entry file what names=() line words wrapper limit=30
  shift 3
  name=quakespasm/$label game=$work/games/quakespasm-${qs_folder:-$label}
  local stock_rc=('exec default.cfg' 'exec config.cfg' 'exec autoexec.cfg' stuffcmds)
  mkdir -p "$game/id1/gfx"
  python3 "$quake_files" wad "$game/id1/gfx.wad"
  python3 "$quake_files" pak "$game/quakespasm.pak"
  [ -z "${qs_shareware:-}" ] && python3 "$quake_files" pop "$game/id1/gfx/pop.lmp"
  crlf_lines "${stock_rc[@]}" 'startdemos demo1 demo2 demo3' >"$game/id1/quake.rc"
  if [ -n "$mod" ]; then
    mkdir -p "$game/$mod"
    crlf_lines "${stock_rc[@]}" >"$game/$mod/quake.rc"
  fi
  for entry in "$@"; do
    file=${entry%%=*} what=${entry#*=}
    names+=("$(basename "$file")")
    case $what in
      empty) : >"$game/$file" ;;
      missing) ;;
      *) python3 "$quake_files" demo "$game/$file" "$what" ;;
    esac
  done
  line=$("$kavrin_game_files" "$game" quakespasm.exe "$mod" "${names[@]}")
  read -ra words <<<"$line"
  quakespasm_env "$name"
  [ -z "$want" ] && limit=15
  run_engine "$name" "$game" "$limit" 5 "$want" \
    "${wrapper[@]}" /usr/games/quakespasm -basedir "$game" "${quakespasm_opts[@]}" "${words[@]}"
}

# QuakeSpasm with the registered check passed by the table from its own
# source; and the shareware game, which runs no + command at all.
quakespasm_cases() {
  local qs_shareware="" qs_folder=""
  quakespasm_case no-mod "" "" id1/a.dem=A id1/b.dem=B id1/c.dem=C
  judge quakespasm/no-mod ABCA A "only the first demo played, then the console: the startdemos line of id1's quake.rc, run after Kavrin's script, replaced its list"
  quakespasm_case mod-kavrin kavrin ABCA id1/a.dem=A id1/b.dem=B id1/c.dem=C
  judge quakespasm/mod-kavrin ABCA "" ""
  quakespasm_case mod-kavmod kavmod ABCA kavmod/a.dem=A id1/b.dem=B kavmod/c.dem=C
  judge quakespasm/mod-kavmod ABCA "" ""
  quakespasm_case one kavrin AAA id1/a.dem=A
  judge quakespasm/one AAA "" ""
  quakespasm_case missing-demo kavrin "" id1/a.dem=A id1/m.dem=missing id1/b.dem=B
  judge_fact quakespasm/missing-demo A "couldn't open m\.dem" EXPECTED-LIMIT \
    "demo starts A, then the missing m.dem ends the ring (\"couldn't open\", demonum -1)"
  quakespasm_case empty-demo kavrin "" id1/a.dem=A id1/e.dem=empty id1/b.dem=B
  judge_fact quakespasm/empty-demo A 'demo "e\.dem" is invalid' EXPECTED-LIMIT \
    "demo starts A, then the empty e.dem ends the ring (\"is invalid\", demonum -1)"
  # The engine keeps 255 characters of its command line, its own path and
  # options included: a game folder of the right length leaves "+exec Sc".
  local head="/usr/games/quakespasm -basedir $work/games/quakespasm-long-line- ${quakespasm_opts[*]} -game kavrin "
  qs_folder=long-line-$(printf 'x%.0s' $(seq $((255 - 8 - ${#head}))))
  quakespasm_case long-line kavrin "" id1/a.dem=A id1/b.dem=B
  judge_fact quakespasm/long-line "" "Command line: .*-game kavrin \\+exec Sc$" EXPECTED-LIMIT \
    "nothing plays: with the command line past 255 characters QuakeSpasm cut off the end of +exec Scrnsave.cfg"
  qs_folder="" qs_shareware=1
  quakespasm_case shareware "" "" id1/a.dem=A id1/b.dem=B
  judge_fact quakespasm/shareware "" "Playing shareware version" EXPECTED-LIMIT \
    "the shareware game runs no + command of the argument line (its stuffcmds reads the cmdline cvar, which only the registered check sets), so Kavrin's script never runs"
}

# ezquake_case LABEL MOD WANT FILE=WHAT...: a QuakeWorld folder with the
# hand-made id1 ezQuake starts with, the demos in "my demos" beside qw and
# Kavrin's scripts in qw, naming the demos by full path; WHAT is a demo's
# letter, "empty" for a 0-byte file or "missing" for none. ezQuake runs in the game folder with the argument
# line first, as its own argv[1] must be the demo it plays at start; its
# console log lands in qw/qconsole.log. The caller judges the log.
ezquake_case() {
  local label=$1 mod=$2 want=$3 name game dir entry file what paths=() line words limit=30
  shift 3
  name=ezquake/$label game=$work/games/ezquake-$label dir=$work/games/ezquake-$label/my\ demos
  mkdir -p "$dir" "$game/qw"
  python3 "$quakeworld_files" base "$game/id1"
  for entry in "$@"; do
    file=${entry%%=*} what=${entry#*=}
    paths+=("$dir/$file")
    case $what in
      missing) ;;
      empty) : >"$dir/$file" ;;
      *) python3 "$quakeworld_files" "${file##*.}" "$dir/$file" "$what" ;;
    esac
  done
  # first_save=FILE=WHAT: a save of that one demo comes first and leaves
  # its chain in qw, which the second must not reach.
  if [ -n "${first_save:-}" ]; then
    file=${first_save%%=*}
    python3 "$quakeworld_files" "${file##*.}" "$dir/$file" "${first_save#*=}"
    "$kavrin_game_files" "$game" ezquake.exe "$mod" "$dir/$file" >/dev/null
  fi
  line=$("$kavrin_game_files" "$game" ezquake.exe "$mod" "${paths[@]}")
  # Run mode hands ezquake.exe this line as it is, and the Windows build
  # splits it itself; the Linux build takes words, split here the same way.
  mapfile -d '' words < <(python3 "$quakeworld_files" args "$line")
  [ -z "$want" ] && limit=20
  engine_log=$game/qw/qconsole.log \
    run_engine "$name" "$game" "$limit" 5 "$want" \
    /usr/lib/games/ezquake/ezquake "${words[@]}" -basedir "$game" "${ezquake_opts[@]}"
}

# judge_names NAME WANT: as judge, but a demo name that ran as a command
# ("kavrin_ran" in it) fails the case whatever played.
judge_names() {
  if grep -aq 'Unknown command "kavrin_ran' "$logs/$1.log"; then
    verdict FAIL "$1" "a part of a demo's name ran as a command"
  else
    judge "$1" "$2" "" ""
  fi
}

# The ezQuake rings. A name whose ";" or "+" broke out of its quotes would
# run "kavrin_ran..." as a command; a "$" expanded would stop the ring.
ezquake_cases() {
  ezquake_case ring "" ABCABC a.qwd=A b.qwd=B c.qwd=C
  judge ezquake/ring ABCABC "" ""
  ezquake_case one "" AAA a.qwd=A
  judge ezquake/one AAA "" ""
  ezquake_case names "" ABCABC "a demo.qwd=A" "b;kavrin_ran.qwd=B" 'c$name.qwd=C'
  judge_names ezquake/names ABCABC
  ezquake_case mvd "" ABCABC a.qwd=A b.mvd=B c.qwd=C
  judge ezquake/mvd ABCABC "" ""
  ezquake_case mod-kavmod kavmod ABCA a.qwd=A b.qwd=B c.qwd=C
  judge ezquake/mod-kavmod ABCA "" ""
  ezquake_case plus-first "" BCABCA "a+kavrin_ran.qwd=A" b.qwd=B c.mvd=C
  judge_names ezquake/plus-first BCABCA
  ezquake_case plus-all kavmod ABAB "a+kavrin_ran.qwd=A" "b+kavrin_ran.qwd=B"
  judge_names ezquake/plus-all ABAB
  first_save=a.qwd=A ezquake_case second-save "" BCBC b.qwd=B c.qwd=C
  judge ezquake/second-save BCBC "" ""
  ezquake_case missing-demo "" "" a.qwd=A m.qwd=missing b.qwd=B
  judge_fact ezquake/missing-demo A "Couldn't open .*/m\.qwd" EXPECTED-LIMIT \
    "demo starts A, then the missing m.qwd ends the ring: f_demoend runs only when a demo that opened stops"
  ezquake_case empty-demo "" "" a.qwd=A e.qwd=empty b.qwd=B
  judge_fact ezquake/empty-demo A "Playing demo from e\.qwd" EXPECTED-LIMIT \
    "demo starts A, then the empty e.qwd plays on for ever, waiting for more, and the ring stops there"
}

# Both Quake II engines refuse to run as root. As root, the check runs them
# as a user of its own: a user id no account has, named to the engine by
# nss_wrapper, so the system's password database is left alone. The game
# folder and the home folder are that user's, as a player's would be.
engine_uid=61432
while getent passwd "$engine_uid" >/dev/null || getent group "$engine_uid" >/dev/null; do
  engine_uid=$((engine_uid + 1))
done

# as_engine_user HOME GAME: sets as_user, the command prefix that runs an
# engine as that user with HOME as its home, and gives it HOME and GAME.
as_engine_user() {
  local home=$1 game=$2
  as_user=()
  mkdir -p "$home/.local/share" "$home/.cache" "$home/.config"
  [ "$(id -u)" -ne 0 ] && return
  printf 'kavrin-engines:x:%s:%s::%s:/bin/sh\n' "$engine_uid" "$engine_uid" "$home" >"$home/passwd"
  printf 'kavrin-engines:x:%s:\n' "$engine_uid" >"$home/group"
  # Xvfb's cookie lies in a folder only root may read.
  cp "$XAUTHORITY" "$home/Xauthority"
  chown -R "$engine_uid:$engine_uid" "$home" "$game"
  as_user=(setpriv --reuid="$engine_uid" --regid="$engine_uid" --clear-groups
    env LD_PRELOAD=libnss_wrapper.so "NSS_WRAPPER_PASSWD=$home/passwd" "NSS_WRAPPER_GROUP=$home/group"
    "XAUTHORITY=$home/Xauthority")
}

# judge_fact NAME STARTS CAUSE VERDICT TEXT: a case that shows what an engine
# does with a demo it cannot play. It gets VERDICT and TEXT when its log
# shows the demo starts STARTS and a line matching CAUSE; anything else
# means the engine no longer does what the note says. A limit must show
# exactly STARTS; a ring that goes on may show more before it is stopped.
judge_fact() {
  local name=$1 want=$2 cause=$3 verdict_word=$4 text=$5 log=$logs/$1.log starts
  starts=$(demo_starts "$log")
  if [ "$starts" = "$want" ] || { [ "$verdict_word" = PASS ] && [[ $starts == "$want"* ]]; }; then
    if grep -aqE "$cause" "$log"; then
      verdict "$verdict_word" "$name" "$text"
    else
      verdict FAIL "$name" "demo starts '$starts', but no line matches '$cause'"
    fi
  else
    verdict FAIL "$name" "demo starts '$starts', want '$want'"
  fi
}

# quake2_case ENGINE LABEL MOD WANT DEMO=WHAT...: a Quake II folder laid
# out as on Windows (baseq2 with the game library, the pictures and, for
# Q2PRO, a map), the demos in baseq2/demos or, with MOD, only in MOD/demos,
# and Kavrin's script and argument line for the engine's Windows program
# (Yamagi's, like id's, is quake2.exe). WHAT is the letter
# the demo prints, "empty" for a 0-byte file or "missing" for none. The
# engine runs as the user above and stops once the demo starts WANT show
# or, with no WANT, 5 seconds after the last one; the caller judges the
# log. q2_program names another program of the build (q2ded), q2_autoexec
# a line for the player's baseq2/autoexec.cfg.
quake2_case() {
  local engine=$1 label=$2 mod=$3 want=$4 name game dir entry file what names=() exe line words home limit=40
  shift 4
  name=$engine/$label game=$work/games/$engine-$label home=$work/homes/$engine/$label
  dir=$game/${mod:-baseq2}/demos
  mkdir -p "$dir" "$game/baseq2"
  python3 "$quake2_files" pics "$game/baseq2"
  for entry in "$@"; do
    file=${entry%%=*} what=${entry#*=}
    names+=("$file")
    case $what in
      empty) : >"$dir/$file" ;;
      missing) ;;
      *) if [ "$engine" = q2pro ]; then
           python3 "$quake2_files" q2pro-demo "$dir/$file" "$what" $([[ $file == *.gz ]] && echo gz)
         else
           python3 "$quake2_files" demo "$dir/$file" "$what"
         fi ;;
    esac
  done
  exe=q2pro.exe
  [ "$engine" = yquake2 ] && exe=quake2.exe
  line=$("$kavrin_game_files" "$game" "$exe" "$mod" "${names[@]}")
  read -ra words <<<"$line"
  case $engine in
    # Windows keeps the game library in baseq2; Linux builds load game.so from there too.
    yquake2) ln -s "$yquake2/baseq2/game.so" "$game/baseq2/game.so" ;;
    q2pro) mkdir -p "$game/baseq2/maps" && python3 "$quake2_files" map "$game/baseq2/maps/kavrin.bsp" ;;
  esac
  [ -n "${q2_autoexec:-}" ] && printf '%s\r\n' "$q2_autoexec" >"$game/baseq2/autoexec.cfg"
  as_engine_user "$home" "$game"
  # The dedicated server shows no demo start: 10 seconds show that none comes.
  [ -n "${q2_program:-}" ] && limit=10
  # Line-buffered output, so that an engine ended by timeout's SIGKILL loses
  # none of its log: Yamagi's client does not end on SIGTERM.
  case $engine in
    yquake2) run_engine "$name" "$game" "$limit" 5 "$want" \
      "${as_user[@]}" env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      stdbuf -oL -eL "$yquake2/${q2_program:-quake2}" +set vid_renderer soft +set developer 1 "${words[@]}" ;;
    q2pro) run_engine "$name" "$game" "$limit" 5 "$want" \
      "${as_user[@]}" stdbuf -oL -eL "$q2pro" +set sys_console 1 +set s_enable 0 "${words[@]}" ;;
  esac
}

# The Quake II rings, and what each engine does at a demo it cannot play.
quake2_cases() {
  local engine q2_autoexec="" q2_program=""
  for engine in yquake2 q2pro; do
    quake2_case "$engine" no-mod "" ABCA a.dm2=A b.dm2=B c.dm2=C
    judge "$engine/no-mod" ABCA "" ""
    quake2_case "$engine" mod-kavmod kavmod ABCA a.dm2=A b.dm2=B c.dm2=C
    judge "$engine/mod-kavmod" ABCA "" ""
    quake2_case "$engine" one "" AAA a.dm2=A
    judge "$engine/one" AAA "" ""
    quake2_case "$engine" missing-demo "" "" a.dm2=A m.dm2=missing b.dm2=B
    judge_fact "$engine/missing-demo" A "Couldn't open demos/m\.dm2" EXPECTED-LIMIT \
      "demo starts A, then the missing m.dm2 ends the ring"
  done
  quake2_case yquake2 empty-demo "" ABA a.dm2=A e.dm2=empty b.dm2=B
  judge_fact yquake2/empty-demo ABA "SpawnServer: e\.dm2" PASS \
    "demo starts A B A: the empty e.dm2 is spawned and skipped, the ring goes on"
  quake2_case q2pro dm2-gz "" ABA a.dm2=A b.dm2.gz=B
  judge q2pro/dm2-gz ABA "" ""
  quake2_case q2pro empty-demo "" "" a.dm2=A e.dm2=empty b.dm2=B
  judge_fact q2pro/empty-demo A "Couldn't read demos/e\.dm2" EXPECTED-LIMIT \
    "demo starts A, then the empty e.dm2 ends the ring (\"Couldn't read demos/e.dm2\")"
  q2_autoexec="set cl_demowait 1"
  quake2_case q2pro demowait "" "" a.dm2=A b.dm2=B
  judge_fact q2pro/demowait A "[Ee]xecing autoexec\.cfg" EXPECTED-LIMIT \
    "demo starts A and no more: cl_demowait 1 in the player's autoexec.cfg holds each demo at its end"
  q2_autoexec="" q2_program=q2ded
  quake2_case yquake2 dedicated "" "" a.dm2=A b.dm2=B
  judge_fact yquake2/dedicated "" "SpawnServer: a\.dm2" EXPECTED-LIMIT \
    "q2ded spawns a.dm2 but never opens it: a demo is read only for a client, and in the attract loop only the engine's own client may join"
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
  line=$("$kavrin_game_files" "$game" ioquake3.exe "$mod" "${names[@]}")
  read -ra words <<<"$line"
  ioq3 "$name" "$game" 60 20 "$(ring_of "$letters")" "${words[@]}"
  judge "$name" "$(ring_of "$letters")" "" ""
}

rm -rf "$work/games" "$work/homes" "$logs"
mkdir -p "$logs/darkplaces" "$logs/quakespasm" "$logs/ezquake" "$logs/yquake2" "$logs/q2pro" "$logs/openarena"

quake_case darkplaces ""
quake_case darkplaces kavrin
darkplaces_names_case
quakespasm_cases
ezquake_cases
quake2_cases
record_oa_demos
q3_case "" ABC
q3_case kavmod AB

if [ ${#others[@]} -gt 0 ]; then
  echo "engines: known limits and cases not checked:"
  printf '  %s\n' "${others[@]}"
fi
echo "engines: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
