#!/usr/bin/env bash
# quillet serve from the outside, as a script that starts it sees it: the first line names the
# free port it took (an IPv6 address in brackets) and the sign-in token, the desk answers there
# to a signed-in client only, and SIGINT or SIGTERM ends it with exit 0 within 2 s after it
# released every mask (one of them waiting on its message box) and the module allowed unloading.
set -uo pipefail
quillet=$1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# A bad argument is reported and nothing listens.
"$quillet" serve --port 70000 --home "$work/home" >/dev/null 2>"$work/bad"
[ $? -eq 1 ] || fail "a bad port does not end with 1"
grep -q 'the port "70000" is not a number from 0 to 65535' "$work/bad" || fail "the bad port's message"

"$quillet" serve --port 0 --home "$work/home" >"$work/out" 2>"$work/err" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/out" ] && break
  sleep 0.1
done
first=$(head -n 1 "$work/out")
if [[ ! $first =~ ^Quillet\ desk:\ (http://127\.0\.0\.1:([0-9]+)/)\?token=([0-9a-f]{48})$ ]] ||
  [ "${BASH_REMATCH[2]}" -eq 0 ]; then
  echo "FAILED: the first line is \"$first\""
  exit 1
fi
address=${BASH_REMATCH[1]}
token=${BASH_REMATCH[3]}
signed=(-H "Authorization: Bearer $token")

[ "$(curl -sS -o /dev/null -w '%{http_code}' "$address")" = 401 ] || fail "the desk answers without sign-in"
curl -fsS "${signed[@]}" "$address" | grep -F '<title>Quillet desk</title>' >/dev/null || fail "the desk page"
# A visit to the printed address signs in with a cookie and leads on without the token.
curl -sS -c "$work/cookies" -o /dev/null "${address}?token=$token"
curl -fsS -b "$work/cookies" "$address" | grep -F '<title>Quillet desk</title>' >/dev/null || fail "the cookie signs in"
act() {
  curl -sS -o /dev/null -w '%{http_code}' -X POST -H 'Content-Type: application/json' \
    "${signed[@]}" -d "$2" "${address}api/mask/$1/act"
}
instance() {
  curl -fsS "${signed[@]}" "${address}mask/$1" | sed -n 's/.*data-instance="\([0-9a-f]*\)".*/\1/p'
}
waiting=$(instance PNRCreationFax)
other=$(instance PNRModificationFax)
[ -n "$waiting" ] && [ -n "$other" ] || fail "the mask pages"
[ "$(act "$waiting" '{"do":"type","control":304,"text":"55*1"}')" = 200 ] || fail "typing"
[ "$(act "$waiting" '{"do":"key","key":"Enter"}')" = 202 ] || fail "the fault's box does not wait"

started=$(date +%s%N)
kill -INT "$pid"
wait "$pid"
status=$?
took=$((($(date +%s%N) - started) / 1000000))
pid=
[ "$took" -lt 2000 ] || fail "SIGINT took $took ms to end the desk"
[ "$status" -eq 0 ] || fail "SIGINT ended quillet serve with $status: $(cat "$work/err")"
[ -s "$work/err" ] && fail "it reported: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" -eq 1 ] || fail "more than the address on standard output"

# On the IPv6 loopback (where the machine has one) the address carries the brackets a browser
# needs; SIGTERM ends it as SIGINT does.
"$quillet" serve --host ::1 --port 0 --home "$work/home" >"$work/out6" 2>"$work/err6" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/out6" ] || ! kill -0 "$pid" 2>/dev/null && break
  sleep 0.1
done
if [ -s "$work/out6" ]; then
  first=$(head -n 1 "$work/out6")
  if [[ $first =~ ^Quillet\ desk:\ (http://\[::1\]:[0-9]+/)\?token=([0-9a-f]+)$ ]]; then
    curl -fsS -g -H "Authorization: Bearer ${BASH_REMATCH[2]}" "${BASH_REMATCH[1]}" |
      grep -q '<title>Quillet desk</title>' || fail "the desk on ::1"
  else
    fail "the first line on ::1 is \"$first\""
  fi
  kill -TERM "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "SIGTERM ended quillet serve with $status"
else
  wait "$pid"  # no IPv6 loopback here
fi
pid=

# A fixed token from the environment, and one unfit to be a token.
QUILLET_DESK_TOKEN=fixed-token-for-a-service "$quillet" serve --port 0 --home "$work/home" \
  >"$work/outf" 2>"$work/errf" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/outf" ] && break
  sleep 0.1
done
grep -q '^Quillet desk: http://127.0.0.1:[0-9]*/?token=fixed-token-for-a-service$' "$work/outf" ||
  fail "QUILLET_DESK_TOKEN is not the token: $(head -n 1 "$work/outf")"
kill -TERM "$pid"
wait "$pid"
pid=
QUILLET_DESK_TOKEN='short' "$quillet" serve --port 0 --home "$work/home" >/dev/null 2>"$work/bad"
[ $? -eq 1 ] || fail "a short QUILLET_DESK_TOKEN does not end with 1"
grep -q 'QUILLET_DESK_TOKEN must be at least 16' "$work/bad" || fail "the short token's message"

exit $((failures > 0))
