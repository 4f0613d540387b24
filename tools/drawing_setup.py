"""What the drawing scripts need from Debian: Pillow, the DejaVu fonts and,
for the maps, Node.js. Installed when missing (apt-get, through sudo when not
root); the script then starts again with them."""
import os
import shutil
import subprocess
import sys

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
TESTED_PILLOW = "9.4.0"


def ensure_debian_packages(font_file="DejaVuSans.ttf", node=False):
    try:
        import PIL  # noqa: F401
        have_pil = True
    except ImportError:
        have_pil = False
    if not have_pil and sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        # Debian's Pillow lives in Debian's Python, not in a private one.
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    have_fonts = os.path.exists(os.path.join(FONT_DIR, font_file))
    # A Node.js that came from elsewhere (such as NodeSource) is used as it is.
    have_node = not node or bool(shutil.which("node") and shutil.which("npm"))
    wanted = [package for package, present in [("python3-pil", have_pil), ("fonts-dejavu-core", have_fonts),
                                                ("nodejs", have_node), ("npm", have_node)] if not present]
    if not wanted:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "update", "-qq"], check=True, env=env)
    subprocess.run(sudo + ["apt-get", "install", "-y", "-qq", "--no-install-recommends"] + wanted,
                   check=True, env=env)
    os.execv(sys.executable, [sys.executable] + sys.argv)


def dejavu(name, size):
    """A DejaVu font by file name, at a size in pixels."""
    from PIL import ImageFont
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def save_gif(img, root, rel, comment):
    """Writes the drawing as a GIF without dithering to root/rel. The comment
    makes Pillow write a GIF89a header."""
    from PIL import Image
    gif = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    path = os.path.join(root, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    gif.save(path, format="GIF", comment=comment)
    print(f"wrote {rel} ({gif.width} x {gif.height})")


def warn_if_untested_pillow(what):
    from PIL import Image
    if Image.__version__ != TESTED_PILLOW:
        print(f"warning: Pillow {Image.__version__}, not {TESTED_PILLOW}: "
              f"{what} may differ from the committed one", file=sys.stderr)
