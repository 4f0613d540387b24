"""What the drawing scripts need from Debian and npm: Pillow, the DejaVu fonts,
Debian's data files that a script reads and, for the maps, Node.js and pinned
npm packages. Installed when missing (apt-get, through sudo when not root;
npm into a scratch folder, never this repository); after an apt-get install
the script starts again with them."""
import json
import os
import shutil
import subprocess
import sys

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
TESTED_PILLOW = "9.4.0"
# fonts-dejavu-core carries these; every other DejaVu face is in fonts-dejavu-extra.
CORE_FONTS = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
              "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"}


def ensure_debian_packages(*fonts, node=False, data_files=None):
    """fonts: the DejaVu font files the script draws with; data_files: {Debian
    package: a file it installs} for the data the script reads."""
    try:
        import PIL  # noqa: F401
        have_pil = True
    except ImportError:
        have_pil = False
    if not have_pil and sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        # Debian's Pillow lives in Debian's Python, not in a private one.
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    needed = {"python3-pil": have_pil}
    for font in fonts or ("DejaVuSans.ttf",):
        package = "fonts-dejavu-core" if font in CORE_FONTS else "fonts-dejavu-extra"
        needed[package] = needed.get(package, True) and os.path.exists(os.path.join(FONT_DIR, font))
    for package, path in (data_files or {}).items():
        needed[package] = os.path.exists(path)
    # A Node.js that came from elsewhere (such as NodeSource) is used as it is.
    have_node = not node or bool(shutil.which("node") and shutil.which("npm"))
    needed.update({"nodejs": have_node, "npm": have_node})
    wanted = [package for package, present in needed.items() if not present]
    if not wanted:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "update", "-qq"], check=True, env=env)
    subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends"] + wanted,
                   check=True, env=env)
    os.execv(sys.executable, [sys.executable] + sys.argv)


def ensure_npm_packages(folder, packages):
    """Installs the pinned npm packages ({name: version}) into the scratch
    folder unless they are there already."""
    def installed_version(name):
        try:
            with open(os.path.join(folder, "node_modules", name, "package.json")) as f:
                return json.load(f)["version"]
        except (OSError, ValueError, KeyError):
            return None

    wanted = [f"{n}@{v}" for n, v in packages.items() if installed_version(n) != v]
    if not wanted:
        return
    os.makedirs(folder, exist_ok=True)
    subprocess.run(["npm", "install", "--prefix", folder, "--no-save", "--no-package-lock", "--no-audit",
                    "--no-fund", "--loglevel", "error"] + wanted, check=True)


def dejavu(name, size):
    """A DejaVu font by file name, at a size in pixels."""
    from PIL import ImageFont
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def save_gif(img, root, rel, comment=None, **options):
    """Writes the drawing as a GIF of 256 colours without dithering to
    root/rel. A comment makes Pillow write a GIF89a header, none a GIF87a;
    options go to Pillow's GIF writer (interlace, optimize)."""
    from PIL import Image
    gif = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    gif.info = {}
    path = os.path.join(root, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if comment:
        options["comment"] = comment
    gif.save(path, format="GIF", **options)
    print(f"wrote {rel} ({gif.width} x {gif.height})")
    return path


def warn_if_untested_pillow(what):
    from PIL import Image
    if Image.__version__ != TESTED_PILLOW:
        print(f"warning: Pillow {Image.__version__}, not {TESTED_PILLOW}: "
              f"{what} may differ from the committed one", file=sys.stderr)
