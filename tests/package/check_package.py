#!/usr/bin/python3
"""The Debian package: built by CPack from the build, inspected (files, control fields, no
maintainer scripts), checked by lintian, appstreamcli and desktop-file-validate, installed into a
throwaway dpkg root, run there, and removed again without leaving a file behind."""

import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def build_package(build_dir):
    for old in glob.glob(os.path.join(build_dir, "scleron_*.deb")):
        os.remove(old)
    result = run(["cpack", "-G", "DEB"], cwd=build_dir)
    if result.returncode != 0:
        sys.exit("cpack failed:\n" + result.stdout + result.stderr)
    debs = glob.glob(os.path.join(build_dir, "scleron_*.deb"))
    if len(debs) != 1:
        sys.exit("expected one scleron_*.deb, found %s" % debs)
    return debs[0]


def control_fields(deb):
    text = run(["dpkg-deb", "-f", deb]).stdout
    fields = {}
    key = None
    for line in text.splitlines():
        if line.startswith(" ") and key:
            fields[key] += "\n" + line
        elif ":" in line:
            key, value = line.split(":", 1)
            fields[key] = value.strip()
    return fields


def check_control(deb, version, arch):
    check(os.path.basename(deb) == "scleron_%s_%s.deb" % (version, arch), "file name " + os.path.basename(deb))
    fields = control_fields(deb)
    check(fields.get("Package") == "scleron", "Package: %s" % fields.get("Package"))
    check(fields.get("Version") == version, "Version: %s" % fields.get("Version"))
    check(fields.get("Architecture") == arch, "Architecture: %s" % fields.get("Architecture"))
    check(fields.get("Section") == "science", "Section: %s" % fields.get("Section"))
    # Found by dpkg-shlibdeps from the binaries: the libraries they link, with versions.
    depends = [d.strip() for d in fields.get("Depends", "").split(",")]
    names = {re.split(r"[ (]", d)[0] for d in depends if d}
    for library in ["libc6", "libstdc++6", "libqt6core6", "libqt6widgets6", "libqt6gui6", "libqt6printsupport6",
                    "libqt6svg6", "libcurl4"]:
        check(library in names, "Depends lacks %s: %s" % (library, fields.get("Depends")))
    check(all("(>=" in d for d in depends if d.startswith("libc6")), "Depends has no libc6 version: %s" % depends)
    # No maintainer scripts: the desktop's file-type and menu caches follow by dpkg triggers.
    listing = subprocess.run("dpkg-deb --ctrl-tarfile '%s' | tar -t" % deb, shell=True, capture_output=True,
                             text=True).stdout.split()
    scripts = [f for f in listing if os.path.basename(f) in ("preinst", "postinst", "prerm", "postrm", "config")]
    check(not scripts, "maintainer scripts: %s" % scripts)
    check("./md5sums" in listing, "no md5sums in %s" % listing)


EXPECTED_FILES = [
    "usr/bin/scleron",
    "usr/bin/scleron-cli",
    "usr/share/applications/scleron.desktop",
    "usr/share/icons/hicolor/scalable/apps/scleron.svg",
    "usr/share/mime/packages/scleron.xml",
    "usr/share/metainfo/org.scleron.Scleron.metainfo.xml",
    "usr/share/man/man1/scleron.1.gz",
    "usr/share/man/man1/scleron-cli.1.gz",
    "usr/share/bash-completion/completions/scleron-cli",
    "usr/share/doc/scleron/copyright",
    "usr/share/doc/scleron/changelog.gz",
] + ["usr/share/scleron/SCLERON_%s.qm" % lang for lang in "DEU FRA ITA ESP PTB RUS CHS".split()] + [
    "usr/share/scleron/kestrel2tamarin2_OI_%s.pdf" % lang for lang in "ENG DEU FRA ITA ESP PTB RUS CHS".split()]


def check_files(deb):
    lines = run(["dpkg-deb", "-c", deb]).stdout.splitlines()
    files = {}
    for line in lines:
        parts = line.split(None, 5)
        name = parts[5].split(" -> ")[0]
        files[name.lstrip("./").rstrip("/")] = parts
    for path in EXPECTED_FILES:
        check(path in files, "not in the package: " + path)
    for path, parts in files.items():
        check(parts[1] == "root/root", "%s owned by %s" % (path, parts[1]))
        check(path.startswith("usr/") or path in ("", "usr"), "outside /usr: " + path)
        # Only the files listed: no caches of the live system (mime.cache, ...) slipped in.
        if parts[0].startswith("-"):
            check(path in EXPECTED_FILES, "unexpected file: " + path)
    for binary in ("usr/bin/scleron", "usr/bin/scleron-cli"):
        if binary in files:
            check(files[binary][0] == "-rwxr-xr-x", "%s mode %s" % (binary, files[binary][0]))


def check_lintian(deb):
    result = run(["lintian", "--fail-on", "error", "--tag-display-limit", "0", deb])
    print(result.stdout + result.stderr)
    errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
    check(result.returncode == 0 and not errors, "lintian errors:\n" + "\n".join(errors))


def check_installed(deb, version):
    with tempfile.TemporaryDirectory() as root:
        admin = os.path.join(root, "var/lib/dpkg")
        for folder in ("info", "updates", "triggers"):
            os.makedirs(os.path.join(admin, folder))
        open(os.path.join(admin, "status"), "w").close()
        open(os.path.join(admin, "available"), "w").close()
        dpkg = ["dpkg", "--root=" + root, "--log=/dev/null", "--force-depends", "--force-not-root"]
        result = run(dpkg + ["-i", deb])
        check(result.returncode == 0, "dpkg -i failed:\n" + result.stdout + result.stderr)
        for path in EXPECTED_FILES:
            check(os.path.exists(os.path.join(root, path)), "not installed: " + path)

        # The installed program runs, and finds its data folder beside it (../share/scleron).
        cli = os.path.join(root, "usr/bin/scleron-cli")
        if not os.access(cli, os.X_OK):
            return
        result = run([cli, "--version"])
        check(result.returncode == 0 and result.stdout == "Scleron %s\n" % version,
              "installed scleron-cli --version: %d %r %r" % (result.returncode, result.stdout, result.stderr))
        result = run([cli, "version", os.path.join(root, "usr/bin/scleron")])
        check(result.returncode == 0 and "ProductVersion" in result.stdout,
              "installed scleron-cli version scleron: %r" % result.stdout)

        result = run(dpkg + ["-r", "scleron"])
        check(result.returncode == 0, "dpkg -r failed:\n" + result.stdout + result.stderr)
        left = [os.path.relpath(os.path.join(d, f), root) for d, _, fs in os.walk(os.path.join(root, "usr"))
                for f in fs]
        check(not left, "left after removal: %s" % left)


def check_metadata(deb):
    with tempfile.TemporaryDirectory() as tree:
        subprocess.run(["dpkg-deb", "-x", deb, tree], check=True)
        metainfo = os.path.join(tree, "usr/share/metainfo/org.scleron.Scleron.metainfo.xml")
        result = run(["appstreamcli", "validate", "--no-net", metainfo])
        check(result.returncode == 0, "appstreamcli validate:\n" + result.stdout + result.stderr)
        desktop = os.path.join(tree, "usr/share/applications/scleron.desktop")
        result = run(["desktop-file-validate", desktop])
        check(result.returncode == 0 and not result.stdout.strip(), "desktop-file-validate:\n" + result.stdout)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    deb = build_package(args.build_dir)
    check_control(deb, args.version, arch)
    check_files(deb)
    check_metadata(deb)
    check_lintian(deb)
    check_installed(deb, args.version)
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("package checks passed: " + os.path.basename(deb))


if __name__ == "__main__":
    main()
