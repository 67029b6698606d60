#!/usr/bin/env bash
# What the system is asked, seen by strace: the document's bytes are flushed
# (fsync of the temporary file) before it takes its name, and its folder is
# flushed after the rename, so a power cut leaves the earlier document or
# the whole new one. Skipped (77) where strace is missing or may not trace.
set -euo pipefail
tool=$1
report=$2
command -v strace >/dev/null || { echo "strace is not installed: skipped"; exit 77; }
strace -o /dev/null true 2>/dev/null || { echo "strace may not trace here: skipped"; exit 77; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$report" "$dir/1234_57.htm"
cd "$dir"
# LeakSanitizer cannot work under ptrace: the sanitizer build runs without it.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  strace -o trace -e trace=openat,fsync,fdatasync,rename,renameat,renameat2 \
  "$tool" 1234_57.htm >/dev/null
python3 - trace <<'PY'
import re, sys
temp_fd = folder_fd = None
flushed = renamed = folder_flushed = False
for line in open(sys.argv[1]):
    m = re.match(r'openat\(.*"(?:\./)?\.1234r57\.rtf\.tmp\d+".*\)\s*=\s*(\d+)', line)
    if m: temp_fd = m.group(1)
    m = re.match(r'(?:fsync|fdatasync)\((\d+)\)\s*=\s*0', line)
    if m and m.group(1) == temp_fd and not renamed: flushed = True
    if m and renamed and m.group(1) == folder_fd: folder_flushed = True
    if re.match(r'rename(at2?)?\(.*\.1234r57\.rtf\.tmp\d+", .*"1234r57\.rtf"', line):
        renamed = True
    m = re.match(r'openat\(.*"\.".*O_DIRECTORY.*\)\s*=\s*(\d+)', line)
    if m and renamed: folder_fd = m.group(1)
checks = {"the temporary document was opened": temp_fd is not None,
          "its bytes were flushed before the rename": flushed,
          "it was renamed into place": renamed,
          "the folder was flushed after the rename": folder_flushed}
failed = [k for k, ok in checks.items() if not ok]
for k in failed: print("missing:", k)
if failed:
    print(open(sys.argv[1]).read()[-3000:])
sys.exit(1 if failed else 0)
PY
echo "flush, rename, folder flush: in order"
