#!/usr/bin/env python3
"""The .deb as a user's system would get it.

Makes the package of a built tree with cpack, unpacks it with dpkg -x and checks every
program: its binary, desktop entry (desktop-file-validate when installed), hicolor icons of
the right pixel sizes, gzip'd manual page, and the help pages; and for the game the .puz file
type (the desktop entry's MimeType and %F, the shared-mime-info description with its glob
and magic, compiled by update-mime-database) and the AppStream metainfo (appstreamcli
validate). Then it breaks copies of the unpacked tree one way at a time and requires the
check to notice each, so a check that has stopped looking cannot pass unseen.
"""

import argparse
import gzip
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ICON_SIZES = (16, 32, 48, 64, 128, 256)
DOC_DIR = Path("share/doc/crossword")
MIME_TYPE = "application/x-crossword"
MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
MAN_SECTIONS = ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "ENVIRONMENT", "FILES",
                "SEE ALSO")


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def desktop_entry(path):
    """The keys of the [Desktop Entry] group, or None when the file has no such group."""
    keys, group = {}, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("["):
            group = line.strip()
        elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            keys[key.strip()] = value.strip()
    return keys if group is not None else None


def png_size(path):
    """(width, height) from the IHDR chunk, or None when the file is no PNG."""
    head = path.read_bytes()[:24]
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def check_binary(usr, program):
    binary = usr / "bin" / program
    if not binary.is_file():
        return [f"bin/{program} missing"]
    problems = []
    if not binary.stat().st_mode & stat.S_IXOTH:
        problems.append(f"bin/{program} is not executable by everyone")
    if binary.read_bytes()[:4] != b"\x7fELF":
        problems.append(f"bin/{program} is not an ELF program")
    return problems


def check_desktop_entry(usr, program):
    path = usr / "share/applications" / f"{program}.desktop"
    if not path.is_file():
        return [f"desktop entry of {program} missing"]
    keys = desktop_entry(path)
    if keys is None:
        return [f"{path.name} has no [Desktop Entry] group"]
    problems = []
    for key in ("Name", "Comment", "Icon"):
        if not keys.get(key):
            problems.append(f"{path.name} has no {key}")
    if keys.get("Type") != "Application":
        problems.append(f"{path.name}: Type is not Application")
    if keys.get("Exec", "").split(" ")[0] not in (program, f"/usr/bin/{program}"):
        problems.append(f"{path.name}: Exec does not start {program}")
    categories = keys.get("Categories", "").split(";")
    if "Game" not in categories or "LogicGame" not in categories:
        problems.append(f"{path.name}: Categories lack Game;LogicGame")
    if shutil.which("desktop-file-validate"):
        result = run(["desktop-file-validate", str(path)])
        if result.returncode != 0 or result.stdout.strip():
            problems.append(f"{path.name} fails desktop-file-validate: {result.stdout.strip()}")
    icon = keys.get("Icon", "")
    for size in ICON_SIZES:
        png = usr / f"share/icons/hicolor/{size}x{size}/apps/{icon}.png"
        if not png.is_file():
            problems.append(f"icon {icon} missing at {size}x{size}")
        elif png_size(png) != (size, size):
            problems.append(f"icon {icon} at {size}x{size} is {png_size(png)} pixels")
    return problems


def check_man_page(usr, program):
    path = usr / "share/man/man6" / f"{program}.6.gz"
    if not path.is_file():
        return [f"manual page of {program} missing"]
    if path.read_bytes()[:2] != b"\x1f\x8b":
        return [f"manual page of {program} is not gzip'd"]
    text = gzip.decompress(path.read_bytes()).decode("utf-8")
    problems = []
    if not re.search(rf"^\.TH {re.escape(program.upper())} 6 ", text, re.M):
        problems.append(f"manual page of {program} has no .TH {program.upper()} 6 line")
    for section in MAN_SECTIONS:
        if not re.search(rf'^\.SH "?{section}"?$', text, re.M):
            problems.append(f"manual page of {program} lacks {section}")
    if not re.search(rf"^\.SH NAME\n{re.escape(program)} \\- ", text, re.M):
        problems.append(f"manual page of {program} does not name {program} under NAME")
    for page in re.findall(r"^\.BR (\S+) \(6\)", text, re.M):
        if not (usr / "share/man/man6" / f"{page}.6.gz").is_file():
            problems.append(f"manual page of {program} refers to {page}(6), not installed")
    if "@" in text:
        problems.append(f"manual page of {program} keeps a template @name@")
    if shutil.which("groff"):
        result = run(["groff", "-man", "-Tutf8", "-ww", "-z"], input=text)
        if result.returncode != 0 or result.stderr.strip():
            problems.append(f"groff warns on {program}.6: {result.stderr.strip()}")
    return problems


def check_documents(usr, help_pages):
    problems = []
    for page in help_pages:
        path = usr / DOC_DIR / "help" / page
        if not path.is_file():
            problems.append(f"help page {page} missing")
        elif b"<html" not in path.read_bytes()[:200].lower():
            problems.append(f"help page {page} is no HTML page")
    if not (usr / DOC_DIR / "copyright").is_file():
        problems.append("copyright file missing")
    return problems


def check_no_tree_paths(usr, tree_paths, skip_programs):
    """An installed file that names the source or build tree would break once those go.
    Sanitized programs keep source file names for their reports, so they may be skipped."""
    problems = []
    for path in sorted(p for p in usr.rglob("*") if p.is_file()):
        if skip_programs and path.parent == usr / "bin":
            continue
        data = path.read_bytes()
        if data[:2] == b"\x1f\x8b":
            data = gzip.decompress(data)
        for tree in tree_paths:
            if tree.encode() in data:
                problems.append(f"{path.relative_to(usr)} mentions {tree}")
    return problems


def check_mime_description(usr, installed):
    """The .puz type for the system's database: the glob, the magic after the checksum, and
    the database compiler's consent. Not installed where the system already knows the type."""
    path = usr / "share/mime/packages/crossword.xml"
    if not installed:
        return [f"{path.name} installed though the system knows the type"] if path.exists() else []
    if not path.is_file():
        return ["mime description crossword.xml missing"]
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f"mime description crossword.xml is no XML: {error}"]
    types = [t for t in root.iter(f"{MIME_NS}mime-type") if t.get("type") == MIME_TYPE]
    if not types:
        return [f"mime description crossword.xml has no {MIME_TYPE}"]
    problems = []
    if "*.puz" not in [g.get("pattern") for g in types[0].iter(f"{MIME_NS}glob")]:
        problems.append("mime description crossword.xml has no *.puz glob")
    magic = [(m.get("type"), m.get("offset"), m.get("value"))
             for m in types[0].iter(f"{MIME_NS}match")]
    if ("string", "2", "ACROSS&DOWN") not in magic:
        problems.append(f"mime description crossword.xml lacks the magic at offset 2: {magic}")
    if shutil.which("update-mime-database"):
        with tempfile.TemporaryDirectory() as temp:
            database = Path(temp) / "mime"
            (database / "packages").mkdir(parents=True)
            shutil.copy(path, database / "packages")
            result = run(["update-mime-database", str(database)])
            globs, magic = database / "globs2", database / "magic"
            # It reports a rejected element and goes on, so what it compiled is what counts:
            # the glob, and the eleven bytes at offset 2 under the type.
            compiled = (globs.is_file() and f"{MIME_TYPE}:*.puz" in globs.read_text()
                        and magic.is_file()
                        and f"{MIME_TYPE}]\n>2=\0\x0bACROSS&DOWN".encode() in magic.read_bytes())
            if result.returncode != 0 or not compiled:
                said = [line for line in (result.stdout + result.stderr).splitlines()
                        if "rror" in line]
                problems.append("update-mime-database does not take crossword.xml: "
                                + ("; ".join(said) or "the type was not compiled"))
    return problems


def check_metainfo(usr, appstream_id):
    """The game's AppStream description: valid, naming the desktop entry it starts from, the
    type it opens and a screenshot."""
    path = usr / "share/metainfo" / f"{appstream_id}.metainfo.xml"
    if not path.is_file():
        return [f"metainfo {path.name} missing"]
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f"metainfo {path.name} is no XML: {error}"]
    problems = []
    if root.findtext("id") != appstream_id:
        problems.append(f"metainfo id is {root.findtext('id')!r}, not {appstream_id}")
    launchable = root.findtext("launchable") or ""
    if not (usr / "share/applications" / launchable).is_file():
        problems.append(f"metainfo launches {launchable!r}, which is not installed")
    if MIME_TYPE not in [m.text for m in root.iter("mediatype")]:
        problems.append(f"metainfo does not say it opens {MIME_TYPE}")
    if not any((i.text or "").startswith("https://") for i in root.iter("image")):
        problems.append("metainfo has no screenshot")
    if shutil.which("appstreamcli"):
        result = run(["appstreamcli", "validate", "--no-net", "--strict", str(path)])
        if result.returncode != 0:
            problems.append(f"metainfo fails appstreamcli validate: {result.stdout.strip()}")
    return problems


def check_file_type(usr, appstream_id, mime_installed):
    """The game opens .puz files from a file manager: its entry names the type and takes
    the files, the system learns the type, and software centres learn the game."""
    entry = desktop_entry(usr / "share/applications/crossword.desktop") or {}
    problems = []
    if MIME_TYPE not in entry.get("MimeType", "").split(";"):
        problems.append(f"crossword.desktop: MimeType lacks {MIME_TYPE}")
    if entry.get("Exec") != "crossword %F":
        problems.append(f"crossword.desktop: Exec is {entry.get('Exec')!r}, not 'crossword %F'")
    return (problems + check_mime_description(usr, mime_installed)
            + check_metainfo(usr, appstream_id))


def check_tree(usr, programs, help_pages, tree_paths, options):
    problems = []
    for program in programs:
        problems += check_binary(usr, program)
        problems += check_desktop_entry(usr, program)
        problems += check_man_page(usr, program)
    problems += check_file_type(usr, options.appstream_id, options.mime_type_installed)
    problems += check_documents(usr, help_pages)
    problems += check_no_tree_paths(usr, tree_paths, options.sanitized)
    return problems


def check_control(deb, version):
    fields = {}
    for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Description"):
        fields[name] = run(["dpkg-deb", "-f", str(deb), name]).stdout.strip()
    problems = []
    if fields["Package"] != "crossword":
        problems.append(f"Package is {fields['Package']!r}")
    if fields["Version"] != version:
        problems.append(f"Version is {fields['Version']!r}, not {version}")
    if fields["Section"] != "games":
        problems.append(f"Section is {fields['Section']!r}")
    if not fields["Maintainer"] or not fields["Description"]:
        problems.append("Maintainer or Description empty")
    # The library dependencies are found by dpkg-shlibdeps from what the programs link.
    for library in ("libc6", "libsdl2", "libcurl", "libpng", "libfreetype"):
        if library not in fields["Depends"]:
            problems.append(f"Depends lacks {library}: {fields['Depends']!r}")
    listing = run(["dpkg-deb", "-c", str(deb)]).stdout.splitlines()
    for line in listing:
        entry = line.split()[-1]
        if not (entry == "./" or entry.startswith("./usr/")):
            problems.append(f"package installs {entry} outside /usr")
    return problems


# One fault at a time in a copy of the unpacked tree, and a word the report of it must hold.
def faults(programs, help_pages, tree_paths, options):
    last = programs[-1]
    apps = "share/applications"
    icons = "share/icons/hicolor"
    man = "share/man/man6"
    help_dir = DOC_DIR / "help"
    planted = [
        ("an icon size removed",
         lambda u: (u / icons / "48x48/apps/crossword.png").unlink(), "48x48"),
        ("an icon of the wrong size",
         lambda u: shutil.copy(u / icons / "16x16/apps/crossword.png",
                               u / icons / "256x256/apps/crossword.png"), "(16, 16)"),
        ("a manual page removed", lambda u: (u / man / f"{last}.6.gz").unlink(), "manual page"),
        ("a manual page not compressed",
         lambda u: (u / man / "crossword.6.gz").write_text(".TH CROSSWORD 6\n"), "gzip"),
        ("a program not executable", lambda u: (u / "bin" / last).chmod(0o644), "executable"),
        ("a program removed", lambda u: (u / "bin/crossword").unlink(), "bin/crossword missing"),
        ("a desktop entry removed",
         lambda u: (u / apps / f"{last}.desktop").unlink(), "desktop entry"),
        ("a desktop entry without LogicGame",
         lambda u: rewrite(u / apps / "crossword.desktop", "LogicGame;", ""), "LogicGame"),
        ("a help page removed", lambda u: (u / help_dir / help_pages[-1]).unlink(), "help page"),
        ("a file naming the build tree",
         lambda u: rewrite(u / help_dir / help_pages[0], "</body>", tree_paths[-1] + "</body>"),
         "mentions"),
    ]
    metainfo = Path("share/metainfo") / f"{options.appstream_id}.metainfo.xml"
    mime = Path("share/mime/packages/crossword.xml")
    planted += [
        ("a desktop entry without its MimeType",
         lambda u: rewrite(u / apps / "crossword.desktop", f"MimeType={MIME_TYPE};", ""),
         "MimeType"),
        ("a desktop entry that takes no files",
         lambda u: rewrite(u / apps / "crossword.desktop", "crossword %F", "crossword"), "Exec"),
        ("a metainfo removed", lambda u: (u / metainfo).unlink(), "metainfo"),
        ("a metainfo launching another entry",
         lambda u: rewrite(u / metainfo, "crossword.desktop", "cross.desktop"), "launches"),
    ]
    if options.mime_type_installed:
        planted += [
            ("a mime description with the magic elsewhere",
             lambda u: rewrite(u / mime, 'offset="2"', 'offset="3"'), "offset 2"),
            ("a mime description without the glob",
             lambda u: rewrite(u / mime, 'pattern="*.puz"', 'pattern="*.pz"'), "*.puz glob"),
        ]
        if shutil.which("update-mime-database"):  # a fault only the compiler knows
            planted.append(("a mime description the database compiler refuses",
                            lambda u: rewrite(u / mime, 'priority="50"', 'priority="500"'),
                            "update-mime-database"))
    if shutil.which("appstreamcli"):  # a fault only the validator knows
        planted.append(("a metainfo without its summary",
                        lambda u: drop_element(u / metainfo, "summary"), "appstreamcli"))
    if len(programs) > 1:  # the game's page refers to the installers' pages
        planted.append(("a referred manual page removed",
                        lambda u: (u / man / f"{programs[1]}.6.gz").unlink(), "refers to"))
    if shutil.which("desktop-file-validate"):  # a fault only the validator knows
        planted.append(("a desktop entry with a bad boolean",
                        lambda u: rewrite(u / apps / f"{last}.desktop", "Terminal=false",
                                          "Terminal=maybe"), "desktop-file-validate"))
    return planted


def rewrite(path, old, new):
    path.write_text(path.read_text().replace(old, new))


def drop_element(path, tag):
    path.write_text(re.sub(rf"<{tag}>.*?</{tag}>", "", path.read_text(), flags=re.S))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("--version", required=True)
    parser.add_argument("--programs", required=True, help="comma-separated program names")
    parser.add_argument("--help-pages", required=True, help="comma-separated page names")
    parser.add_argument("--sanitized", action="store_true",
                        help="programs built with sanitizers, which name their source files")
    parser.add_argument("--appstream-id", required=True, help="the game's AppStream id")
    parser.add_argument("--mime-type-installed", type=int, choices=(0, 1), required=True,
                        help="1 when the build installs the .puz type (the system lacks it)")
    args = parser.parse_args()
    programs = args.programs.split(",")
    help_pages = args.help_pages.split(",")
    tree_paths = [os.path.realpath(args.source_dir), os.path.realpath(args.build_dir)]

    with tempfile.TemporaryDirectory(prefix="crossword-package-") as temp:
        temp = Path(temp)
        made = run([args.cpack, "-G", "DEB", "-B", str(temp / "out")], cwd=args.build_dir)
        debs = list((temp / "out").glob("*.deb"))
        if made.returncode != 0 or len(debs) != 1:
            print(made.stdout, made.stderr, sep="\n")
            print(f"FAIL: cpack made {len(debs)} .deb files")
            return 1
        deb = debs[0]
        print(f"made {deb.name} ({deb.stat().st_size} bytes) for: {' '.join(programs)}")
        unpacked = run(["dpkg", "-x", str(deb), str(temp / "root")])
        if unpacked.returncode != 0:
            print(f"FAIL: dpkg -x: {unpacked.stderr}")
            return 1
        usr = temp / "root/usr"

        problems = check_control(deb, args.version) + check_tree(
            usr, programs, help_pages, tree_paths, args)
        for problem in problems:
            print(f"FAIL: {problem}")
        for tool in ("desktop-file-validate", "update-mime-database", "appstreamcli"):
            if not shutil.which(tool):
                print(f"note: {tool} not installed, its check is left out")
        if problems:
            return 1  # the planted faults need a package that passes as it is

        for name, breaking, word in faults(programs, help_pages, tree_paths, args):
            copy = temp / "broken"
            shutil.rmtree(copy, ignore_errors=True)
            shutil.copytree(usr, copy, symlinks=True)
            breaking(copy)
            found = check_tree(copy, programs, help_pages, tree_paths, args)
            if not any(word in problem for problem in found):
                problems.append(name)
                print(f"FAIL: {name} went unnoticed (reported: {found})")
        if problems:
            return 1
        print(f"ok: {len(programs)} programs, {len(help_pages)} help pages, "
              f"{len(faults(programs, help_pages, tree_paths, args))} planted faults each caught")
        return 0


if __name__ == "__main__":
    sys.exit(main())
