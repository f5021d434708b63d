#!/usr/bin/env bash
# Starts the program on the embedded demo databases, as the suite's menu
# launcher would: installs what is missing, builds, creates run/data with the
# demo databases (when absent), copies the report templates into run/ and
# opens a document window there.
#
#   scripts/run-demo.sh [FORM_CODE [USER_ID]]
#
# FORM_CODE: FRPRERCPT (default), BEGIN_PRERCPT, FRPREPAID, BEGIN_PREPAID,
# FRRC, FRPD or FRMISCPAID. USER_ID: 1 ADMIN (default, every right),
# 2 VIEWER (no add/modify/delete), 3 NOACCESS, 4 ENGLISH (English prompts).
# Without a display (DISPLAY and WAYLAND_DISPLAY unset) the program runs
# under xvfb-run, where nobody sees the window; set FRTRADE_CLOSE_AFTER_SHOW=1
# and FRTRADE_PROMPTS=stderr to have it report the window and end.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

form_code=${1:-FRPRERCPT}
user_id=${2:-1}
case "$form_code" in
  FRPRERCPT) menu_id=101 ;;
  BEGIN_PRERCPT) menu_id=102 ;;
  FRPREPAID) menu_id=103 ;;
  BEGIN_PREPAID) menu_id=104 ;;
  FRRC) menu_id=105 ;;
  FRPD) menu_id=106 ;;
  FRMISCPAID) menu_id=107 ;;
  *) menu_id=101 ;; # an unknown code goes through as given: the program refuses it
esac

scripts/install-deps.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
case "$build_dir" in /*) ;; *) build_dir="$root/$build_dir" ;; esac

mkdir -p run
if [ ! -f run/data/QLM_CONFIG.db ] || [ ! -f run/data/DEMO.db ]; then
  "$build_dir/src/frdemodb" run/data DEMO
fi
if [ -d templates ]; then
  cp -r templates/. run/
fi

cd run
args=("$menu_id" "$user_id" DEMO - "$form_code" "$(date +%d/%m/%Y)")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  exec xvfb-run -a "$build_dir/src/frtrade" "${args[@]}"
fi
exec "$build_dir/src/frtrade" "${args[@]}"
