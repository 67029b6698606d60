#!/usr/bin/env bash
# Ctrl-C ends a Windows download without leaving its temporary file behind:
#
#   tool_interrupt_test.sh TLS_SERVER RUNNER... QVFORMAT.EXE
#
# qvformat.exe downloads a turn from the tests' TLS server (a program of the
# build host) whose answer stalls half-way; while the report's temporary
# file stands beside the earlier report, the SIGINT that Wine turns into the
# console's CTRL_C_EVENT ends the run. The earlier report must stay as it was.
set -euo pipefail
server=$1
shift
dir=$(mktemp -d)
spid=
cleanup() {
  touch "$dir/serve/finish"
  [ -n "$spid" ] && wait "$spid" || true
  rm -rf "$dir"
}
trap cleanup EXIT
mkdir "$dir/certs" "$dir/serve" "$dir/run"
"$server" certificates "$dir/certs"

hex() { printf '%b' "$1" | od -An -tx1 -v | tr -d ' \n'; }
{
  echo "cert $dir/certs/server.pem"
  echo "key $dir/certs/server.key"
  echo "reply 1 0 0 1 0 0 0 0 0 -"
  echo "chunk $(hex 'HTTP/1.0 200 OK\r\nSet-Cookie: GAZEHALL_SESSIONID=s1; path=/\r\n\r\n')"
  echo "reply 1 0 0 1 0 0 0 0 0 -"
  echo "chunk $(hex 'HTTP/1.0 200 OK\r\nSet-Cookie: GAZPSW=p1; path=/\r\nSet-Cookie: GAZUSER=u1; path=/\r\n\r\n')"
  echo "reply 1 0 60000 1 0 0 0 0 0 -"
  echo "chunk $(hex 'HTTP/1.0 200 OK\r\n\r\n<html>\r\n<title>Jel')"
} >"$dir/serve/script.txt"
"$server" serve "$dir/serve" &
spid=$!
for _ in $(seq 300); do
  [ -s "$dir/serve/port.txt" ] && break
  sleep 0.1
done
port=$(cat "$dir/serve/port.txt")

printf 'earlier report\r\n' >"$dir/run/1234_57.htm"
(
  cd "$dir/run"
  export QVFORMAT_HOST=localhost QVFORMAT_PORT=$port SSL_CERT_FILE="Z:$dir/certs/ca.pem"
  exec "$@" /o /user=Anna /pass=titok /kar=1234 /ford=57 >"$dir/out.txt" 2>&1
) &
pid=$!
entries() { (cd "$dir/run" && ls -A | tr '\n' ' '); }
for _ in $(seq 600); do
  [[ "$(entries)" == ".1234-57.htm.tmp"*" 1234_57.htm " ]] && break
  sleep 0.1
done
[[ "$(entries)" == ".1234-57.htm.tmp"*" 1234_57.htm " ]] || {
  echo "while downloading: $(entries)"; cat "$dir/out.txt"; kill "$pid"; exit 1
}
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$(entries)" = "1234_57.htm " ] || { echo "after Ctrl-C: $(entries)"; exit 1; }
[ "$(cat "$dir/run/1234_57.htm")" = $'earlier report\r' ] || { echo "1234_57.htm changed"; exit 1; }
echo "Ctrl-C removed the report's temporary file (status $status)"
