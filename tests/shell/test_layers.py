"""The shell's layers, as shell/CMakeLists.txt draws them: each file includes headers of its own
folder and of the folders below it only, and no header of the program above the shell (the
windows, the pictures, the engine). The build refuses most wrong-way includes already, since each
library sees only its own include folder and those below; this check names the rule and also
catches the includes that a build would let through (a relative path, a header found through
another target's folders)."""

import pathlib
import re
import sys

# Each folder of the shell and the folders whose headers it may include besides its own.
BELOW = {
    "look": set(),
    "desktop": {"look"},
    "style": {"look"},
    "forms": {"look", "desktop", "style"},
    "message": {"look", "desktop", "style", "forms"},
}
# Headers that the build generates for a folder.
GENERATED = {"desktop": {"gtk-shell-client-protocol.h"}}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def violations(root):
    shell = root / "shell"
    program = {p.name for folder in ("windows", "content", "engine", "app")
               for p in (root / folder).rglob("*.h")}
    owner = {}
    for folder in BELOW:
        for header in (shell / folder).glob("*.h"):
            owner[header.name] = folder
    found = []
    for folder, allowed in BELOW.items():
        for source in sorted((shell / folder).glob("*.[ch]*")):
            for name in INCLUDE.findall(source.read_text(encoding="utf-8")):
                base = pathlib.PurePosixPath(name).name
                where = owner.get(base) if base == name else None
                if base in GENERATED.get(folder, set()):
                    continue
                if where == folder or where in allowed:
                    continue
                if where is None and base in program:
                    why = "a header of the program above the shell"
                elif where is None:
                    why = "no header of this folder or of one below it"
                else:
                    why = f"a header of {where}/, which is not below {folder}/"
                found.append(f"{source.relative_to(root)}: #include \"{name}\": {why}")
    return found


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2]
    found = violations(root)
    for line in found:
        print(line)
    if not any((root / "shell" / folder).glob("*.h") for folder in BELOW):
        print("no shell headers found under", root)
        return 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
