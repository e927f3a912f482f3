#!/usr/bin/python3
"""The manual page and the bash completion of scleron-cli against the program itself: every
subcommand and option its --help lists has its place in the manual page and is offered by the
completion, and every exit code of the README's table is explained in the manual page."""

import argparse
import re
import subprocess
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def subcommands_from_help(cli):
    """{subcommand: set of options} from the usage lines of --help."""
    text = subprocess.run([cli, "--help"], capture_output=True, text=True).stdout
    commands = {}
    listing = False
    for line in text.splitlines():
        if line.startswith("Subcommands:"):
            listing = True
            continue
        match = re.match(r"^  (\w[\w-]*)(.*)$", line)
        if listing and match:
            usage = re.split(r"\s{3,}", match.group(2).strip())[0]
            # A subcommand may have several usage lines (one per action): their options add up.
            commands.setdefault(match.group(1), set()).update(
                re.findall(r"(?<![\w-])(--[a-z][a-z-]*|-o)\b", usage))
    return commands


def man_sections(man):
    """{subcommand: text of its .SS sections (one per action of a subcommand that has several)}"""
    sections = {}
    current = None
    for line in man.splitlines():
        if line.startswith(".SS "):
            current = line.split()[1]
            sections.setdefault(current, "")
        elif line.startswith(".SH "):
            current = None
        elif current:
            sections[current] += line + "\n"
    return sections


def roff(option):
    return option.replace("-", "\\-")


def complete(completion, words):
    """What the completion offers for the command line `words` (the last one being completed)."""
    script = 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _scleron_cli; ' \
             'printf "%s\\n" "${COMPREPLY[@]}"'
    result = subprocess.run(["bash", "-c", script, "bash", completion] + words, capture_output=True, text=True)
    check(result.returncode == 0, "completion failed for %s: %s" % (words, result.stderr))
    return set(result.stdout.split())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--man", required=True)
    parser.add_argument("--completion", required=True)
    parser.add_argument("--readme", required=True)
    args = parser.parse_args()

    commands = subcommands_from_help(args.cli)
    check(len(commands) >= 7, "--help lists too few subcommands: %s" % sorted(commands))
    man = open(args.man, encoding="utf-8").read()
    sections = man_sections(man)

    for name, options in sorted(commands.items()):
        check(name in sections, "the manual page has no section for '%s'" % name)
        for option in sorted(options):
            check(roff(option) in sections.get(name, ""),
                  "the manual page's '%s' section does not explain %s" % (name, option))
        offered = complete(args.completion, ["scleron-cli", name, "-"])
        check(options <= offered, "completion of '%s -' offers %s, --help names %s" % (name, sorted(offered),
                                                                                       sorted(options)))
    for option in ("--version", "--help"):
        check(roff(option) in man, "the manual page does not explain " + option)
    offered = complete(args.completion, ["scleron-cli", ""])
    check(offered == set(commands) | {"--version", "--help"},
          "completion of the subcommand offers %s" % sorted(offered))
    check(complete(args.completion, ["scleron-cli", "export", "x.hkp", "--format", ""]) == {"text", "hkp", "csv", "json"},
          "completion of --format")
    check(complete(args.completion, ["scleron-cli", "watch", "--csv-dialect", "l"]) == {"locale"},
          "completion of --csv-dialect")

    # Exit codes: the README's table of scleron-cli's codes, each explained under EXIT STATUS.
    readme = open(args.readme, encoding="utf-8").read()
    codes = sorted(set(re.findall(r"^\s*\| (\d) \|", readme, re.MULTILINE)))
    check(len(codes) >= 5, "no exit-code table found in the README: %s" % codes)
    exit_status = man.split(".SH EXIT STATUS", 1)[-1].split("\n.SH", 1)[0]
    for code in codes:
        check(re.search(r"^\.B %s$" % code, exit_status, re.MULTILINE), "exit code %s is not explained" % code)

    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("manual page and completion cover %d subcommands" % len(commands))


if __name__ == "__main__":
    main()
