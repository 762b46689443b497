#!/usr/bin/env python3
"""The .deb as a user's system would get it.

Makes the package of a built tree with cpack, unpacks it with dpkg -x and checks every
program: its binary, desktop entry (desktop-file-validate when installed), hicolor icons of
the right pixel sizes, gzip'd manual page, and the help pages; and for the game every file
type it opens (the desktop entry's MimeType and %F, and the type defined: by the package's
shared-mime-info description with its glob and magic, compiled by update-mime-database and
asked of gio with a sample of each format, or by the system's own database) and the
AppStream metainfo (appstreamcli validate). Then it breaks copies of the unpacked tree one way at a time and requires the
check to notice each, so a check that has stopped looking cannot pass unseen.
"""

import argparse
import gzip
import io
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile
from pathlib import Path

ICON_SIZES = (16, 32, 48, 64, 128, 256)
DOC_DIR = Path("share/doc/crossword")
MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
SYSTEM_GLOBS = Path("/usr/share/mime/globs2")


def zipped(name, data):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr(name, data)
    return buffer.getvalue()


JPZ_XML = (b'<?xml version="1.0" encoding="UTF-8"?>\n<rectangular-puzzle>'
           b'<crossword><grid width="1" height="1"/></crossword></rectangular-puzzle>\n')
# What our description of each glob's type must hold: its magic matches (type, offset,
# value as the XML writes it); and samples of the format, which the compiled database must
# type by the glob when named with it and, where the type has magic, by the bytes alone.
DESCRIBED = {
    "*.puz": ([("string", "2", "ACROSS&DOWN")],
              [b"\x12\x34ACROSS&DOWN\0" + bytes(40)]),
    "*.ipuz": ([("string", "0:4096", "http://ipuz.org/")],
               [b'{"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"]}\n',
                b'ipuz({"kind": ["http://ipuz.org/crossword#1"]})\n']),
    "*.jpz": ([("string", "0:4096", "rectangular-puzzle"), ("string", "0", "PK\\003\\004"),
               ("string", "30:256", ".jpz")],
              [JPZ_XML, zipped("puzzle.jpz", JPZ_XML)]),
    "*.xd": ([], [b"Title: A\n\n\nAB\nCD\n\n\nA1. One ~ AB\nA3. Two ~ CD\n"]),
}


class FileType:
    """A type the game's entry names: its glob, our description of it and whether the
    package installs that description (0: the system's database defines the type)."""

    def __init__(self, text):
        self.name, self.glob, self.description, installed = text.split(":")
        self.installed = installed == "1"


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


def check_description(usr, file_type):
    """Our description of one type: the type, its glob and the magic for files saved under
    another name."""
    path = usr / "share/mime/packages" / file_type.description
    if not path.is_file():
        return [f"mime description {path.name} missing"]
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f"mime description {path.name} is no XML: {error}"]
    types = [t for t in root.iter(f"{MIME_NS}mime-type") if t.get("type") == file_type.name]
    if not types:
        return [f"mime description {path.name} has no {file_type.name}"]
    problems = []
    if file_type.glob not in [g.get("pattern") for g in types[0].iter(f"{MIME_NS}glob")]:
        problems.append(f"mime description {path.name} has no {file_type.glob} glob")
    magic = [(m.get("type"), m.get("offset"), m.get("value"))
             for m in types[0].iter(f"{MIME_NS}match")]
    for match in DESCRIBED[file_type.glob][0]:
        if match not in magic:
            problems.append(f"mime description {path.name} lacks the magic {match}: {magic}")
    return problems


def sample_types(database, samples):
    """The type gio finds for each (file name, bytes), with the compiled database beside the
    system's: {file name: type}."""
    with tempfile.TemporaryDirectory() as temp:
        folder = Path(temp)
        (folder / "home").mkdir()
        for name, data in samples:
            (folder / name).write_bytes(data)
        env = dict(os.environ, XDG_DATA_HOME=str(folder / "home"),
                   XDG_DATA_DIRS=f"{database.parent}:/usr/share")
        found = {}
        for name, _ in samples:
            result = run(["gio", "info", "-a", "standard::content-type", str(folder / name)],
                         env=env)
            said = re.search(r"standard::content-type: (\S+)", result.stdout)
            found[name] = said.group(1) if said else result.stderr.strip()
        return found


def check_compiled(usr, installed):
    """Our descriptions as the system's database compiler builds them, and what gio then
    says of a file of each format, by its name and by its bytes alone."""
    with tempfile.TemporaryDirectory() as temp:
        database = Path(temp) / "mime"
        (database / "packages").mkdir(parents=True)
        for file_type in installed:
            shutil.copy(usr / "share/mime/packages" / file_type.description,
                        database / "packages")
        result = run(["update-mime-database", str(database)])
        globs = (database / "globs2").read_text() if (database / "globs2").is_file() else ""
        magic = (database / "magic").read_bytes() if (database / "magic").is_file() else b""
        problems = []
        # It reports a rejected element and goes on, so what it compiled is what counts: the
        # glob, and a magic section for every type that has magic.
        for file_type in installed:
            compiled = f"{file_type.name}:{file_type.glob}" in globs and (
                not DESCRIBED[file_type.glob][0]
                or f":{file_type.name}]\n".encode() in magic)
            if result.returncode != 0 or not compiled:
                said = [line for line in (result.stdout + result.stderr).splitlines()
                        if "rror" in line]
                problems.append(f"update-mime-database does not take {file_type.description}: "
                                + ("; ".join(said) or "the type was not compiled"))
        if problems or not shutil.which("gio"):
            return problems
        expected, samples = {}, []
        for file_type in installed:
            matches, format_samples = DESCRIBED[file_type.glob]
            names = ["sample" + file_type.glob[1:]]
            if matches:
                names += [f"{file_type.glob[2:]}-sample-{n}" for n in range(len(format_samples))]
            for name, data in zip(names, [format_samples[0]] + format_samples):
                samples.append((name, data))
                expected[name] = file_type.name
        for name, found in sample_types(database, samples).items():
            if found != expected[name]:
                problems.append(f"gio types {name} as {found}, not {expected[name]}")
        return problems


def check_mime_descriptions(usr, file_types):
    """Every type the entry names is defined: by our description, or, where the system's
    database already knows it, by that database alone."""
    problems = []
    system_globs = SYSTEM_GLOBS.read_text() if SYSTEM_GLOBS.is_file() else ""
    for file_type in file_types:
        path = usr / "share/mime/packages" / file_type.description
        if file_type.installed:
            problems += check_description(usr, file_type)
        elif path.exists():
            problems.append(f"{path.name} installed though the system knows {file_type.name}")
        elif f":{file_type.name}:{file_type.glob}" not in system_globs:
            problems.append(f"neither the package nor the system defines {file_type.name}")
    installed = [t for t in file_types if t.installed]
    if not problems and installed and shutil.which("update-mime-database"):
        problems += check_compiled(usr, installed)
    return problems


def check_metainfo(usr, appstream_id, file_types):
    """The game's AppStream description: valid, naming the desktop entry it starts from, the
    types it opens and a screenshot."""
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
    mediatypes = [m.text for m in root.iter("mediatype")]
    for file_type in file_types:
        if file_type.name not in mediatypes:
            problems.append(f"metainfo does not say it opens {file_type.name}")
    if not any((i.text or "").startswith("https://") for i in root.iter("image")):
        problems.append("metainfo has no screenshot")
    if shutil.which("appstreamcli"):
        result = run(["appstreamcli", "validate", "--no-net", "--strict", str(path)])
        if result.returncode != 0:
            problems.append(f"metainfo fails appstreamcli validate: {result.stdout.strip()}")
    return problems


def check_file_types(usr, appstream_id, file_types):
    """The game opens its files from a file manager: its entry names every type and takes
    the files, the system learns the types, and software centres learn the game."""
    entry = desktop_entry(usr / "share/applications/crossword.desktop") or {}
    problems = []
    for file_type in file_types:
        if file_type.name not in entry.get("MimeType", "").split(";"):
            problems.append(f"crossword.desktop: MimeType lacks {file_type.name}")
    if entry.get("Exec") != "crossword %F":
        problems.append(f"crossword.desktop: Exec is {entry.get('Exec')!r}, not 'crossword %F'")
    return (problems + check_mime_descriptions(usr, file_types)
            + check_metainfo(usr, appstream_id, file_types))


def check_tree(usr, programs, help_pages, tree_paths, options):
    problems = []
    for program in programs:
        problems += check_binary(usr, program)
        problems += check_desktop_entry(usr, program)
        problems += check_man_page(usr, program)
    problems += check_file_types(usr, options.appstream_id, options.file_types)
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
    last_type = options.file_types[-1].name
    planted += [
        ("a desktop entry without its MimeType",
         lambda u: drop_line(u / apps / "crossword.desktop", "MimeType="), "MimeType"),
        ("a desktop entry without one type",
         lambda u: rewrite(u / apps / "crossword.desktop", f"{last_type};", ""),
         f"MimeType lacks {last_type}"),
        ("a desktop entry that takes no files",
         lambda u: rewrite(u / apps / "crossword.desktop", "crossword %F", "crossword"), "Exec"),
        ("a metainfo removed", lambda u: (u / metainfo).unlink(), "metainfo"),
        ("a metainfo launching another entry",
         lambda u: rewrite(u / metainfo, "crossword.desktop", "cross.desktop"), "launches"),
        ("a metainfo without one type",
         lambda u: rewrite(u / metainfo, f"<mediatype>{last_type}</mediatype>", ""),
         f"opens {last_type}"),
    ]
    described = {t.glob: Path("share/mime/packages") / t.description
                 for t in options.file_types if t.installed}
    for name, glob, old, new, word in [
            ("a mime description with the magic elsewhere", "*.puz", 'offset="2"',
             'offset="3"', "lacks the magic"),
            ("a mime description without the glob", "*.xd", 'pattern="*.xd"',
             'pattern="*.x"', "no *.xd glob"),
            ("a mime description without its zipped magic", "*.jpz", 'value=".jpz"',
             'value=".jpx"', "lacks the magic")]:
        if glob in described:
            planted.append((name, rewriting(described[glob], old, new), word))
    if "*.ipuz" in described:
        planted.append(("a mime description removed",
                        lambda u: (u / described["*.ipuz"]).unlink(), "missing"))
    if shutil.which("update-mime-database") and "*.puz" in described:
        # faults only the compiler and gio know
        planted.append(("a mime description the database compiler refuses",
                        rewriting(described["*.puz"], 'priority="50"', 'priority="500"'),
                        "update-mime-database"))
        if shutil.which("gio") and "*.jpz" in described:
            planted.append(("a zipped .jpz's magic under the plain ZIP type's priority",
                            rewriting(described["*.jpz"], 'priority="70"', 'priority="40"'),
                            "gio types"))
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


def rewriting(relative, old, new):
    return lambda usr: rewrite(usr / relative, old, new)


def drop_line(path, start):
    path.write_text("".join(line for line in path.read_text().splitlines(keepends=True)
                            if not line.startswith(start)))


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
    parser.add_argument("--file-types", required=True,
                        help="comma-separated type:glob:description:installed, installed 1 "
                        "where the package defines the type (the system lacks it)")
    args = parser.parse_args()
    args.file_types = [FileType(text) for text in args.file_types.split(",")]
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
        for tool in ("desktop-file-validate", "update-mime-database", "gio", "appstreamcli"):
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
