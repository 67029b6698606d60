#!/usr/bin/env python3
"""Checks the manuals against the tool, and the Windows manuals' bytes.

    check_manuals.py usage QVFORMAT MAIN_CC MANUAL...
    check_manuals.py encoding FILE...

usage: the tool's usage text (QVFORMAT --help) and main.cc (the parameters
that stand alone: --help, -h, /?, --version; the exit statuses Run returns)
are the one source. Each manual (a Windows text or a man page, in any
language) must quote the usage text whole, name every switch, option and
lone parameter, name no switch the tool does not know, and list exactly the
tool's exit statuses in its exit section.

encoding: each file as Notepad must get it: valid UTF-8, every line ended by
CR LF (no bare CR or LF), and a byte-order mark when it holds anything
beyond ASCII.
"""
import os
import re
import subprocess
import sys
import tempfile

# Tokens the manuals name that are not the tool's switches: "/kk" is shown
# as what is not "/k"; "cd /d" and "cd /tmp" are the shell's.
FOREIGN = {"/kk", "/d", "/tmp"}
SWITCH = re.compile(r"(?<![\w./:%~\\$<-])(/[a-z]+=|/[a-z]+(?![\w/\\])|/\?|--[a-z]+(?![\w-]))")


def usage_lines(qvformat):
    # A home of its own: a player's settings could name another domain.
    with tempfile.TemporaryDirectory() as home:
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "LC_ALL": "C"}
        out = subprocess.run([qvformat, "--help"], env=env, capture_output=True, check=True).stdout
    lines = out.decode("cp1250").split("\r\n")
    while lines and lines[-1] == "":
        lines.pop()
    return lines


def plain(path):
    """The manual's text; a man page's escapes and font changes undone."""
    with open(path, encoding="utf-8-sig") as f:
        text = f.read().replace("\r\n", "\n")
    if path.endswith(".1"):
        text = re.sub(r"\\f[BIRP]|\\c|\\&", "", text).replace("\\-", "-").replace("\\e", "\\")
    return text


def quotes_usage(lines, usage):
    """Whether the usage text stands in the manual whole, under one indent."""
    for i, line in enumerate(lines):
        if line.strip() != usage[0]:
            continue
        indent = line[: len(line) - len(line.lstrip())]
        block = [l[len(indent):] if l.startswith(indent) else l for l in lines[i:i + len(usage)]]
        if block == usage:
            return True
    return False


def exit_codes(text, man):
    if man:
        section = re.search(r'^\.SH "?(?:EXIT STATUS|KILÉPÉSI [ÉK]\w+)"?\n(.*?)(?=^\.SH|\Z)', text, re.S | re.M)
        return set(re.findall(r"^\.TP\n\.B (\d+)$", section.group(1), re.M)) if section else None
    section = re.search(r"^(?:Exit codes|Kilépési kódok)\n-+\n(.*?)(?=^\S.*\n-+\n|\Z)", text, re.S | re.M)
    return set(re.findall(r"^  (\d+)   ", section.group(1), re.M)) if section else None


def check_usage(qvformat, main_cc, manuals):
    usage = usage_lines(qvformat)
    switches = {m for line in usage for m in SWITCH.findall(line)}
    with open(main_cc, encoding="utf-8") as f:
        source = f.read()
    alone = set(re.findall(r'params\[0\] == "([^"]+)"', source))
    run = source[source.index("int Run("):source.index("int main(")]
    statuses = set(re.findall(r"\breturn (\d+);", run))
    if len(switches) < 10 or not {"--help", "--version"} <= alone or statuses != {"0", "1"}:
        return [f"the tool's own lists look wrong: {sorted(switches)} {sorted(alone)} {sorted(statuses)}"]
    errors = []
    for manual in manuals:
        text = plain(manual)
        name = os.path.basename(manual)
        found = set(SWITCH.findall(text))
        if not quotes_usage(text.split("\n"), usage):
            errors.append(f"{name}: does not quote the usage text as the tool prints it")
        for missing in sorted((switches | alone) - found - {"-h"}):
            errors.append(f"{name}: does not name {missing}")
        if not re.search(r"(?<![\w-])-h(?![\w-])", text):
            errors.append(f"{name}: does not name -h")
        for unknown in sorted(found - switches - alone - FOREIGN):
            errors.append(f"{name}: names {unknown}, which the tool does not know")
        codes = exit_codes(text, manual.endswith(".1"))
        if codes != statuses:
            errors.append(f"{name}: exit statuses {sorted(codes or [])}, the tool's are {sorted(statuses)}")
    return errors


def check_encoding(files):
    errors = []
    for path in files:
        with open(path, "rb") as f:
            data = f.read()
        name = os.path.basename(path)
        try:
            data.decode("utf-8")
        except UnicodeDecodeError as e:
            errors.append(f"{name}: not UTF-8 at byte {e.start}")
        if re.search(rb"\r(?!\n)|(?<!\r)\n", data) or not data.endswith(b"\r\n"):
            errors.append(f"{name}: a line does not end with CR LF")
        if not data.isascii() and not data.startswith(b"\xef\xbb\xbf"):
            errors.append(f"{name}: not ASCII, and no byte-order mark")
    return errors


def main():
    mode, args = sys.argv[1], sys.argv[2:]
    files = args[2:] if mode == "usage" else args
    errors = check_usage(args[0], args[1], files) if mode == "usage" else check_encoding(files)
    for error in errors:
        print(error, file=sys.stderr)
    print(f"{len(files)} files checked, {len(errors)} problems")
    sys.exit(1 if errors else 0)


if __name__ == "__main__":
    main()
