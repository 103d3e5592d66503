#!/usr/bin/python3
"""Screenshots of everything tavrek shows in words, in each language: the
main window with its status bar, every menu and file list (with the MORE
paging), every tool-tip, every dialog of the 2D and the 3D view, the message
boxes, the first start's language question and the winner's name. The game
runs under Wine on the virtual display of $DISPLAY and is driven by the keys
and the mouse alone, so the same steps serve every language. Each picture is
cut to what it shows; a contact sheet per language and an index page show
them all.

    dialogs.py TAVREK_EXE DATA_DIRECTORY OUTPUT_DIRECTORY [LANGUAGE.TXT...]

Wine must be running in $WINEPREFIX (tools/gallery/dialog-shots.sh sets
everything up). Without LANGUAGE arguments every shipped language is shown.
"""

import html
import os
import shutil
import subprocess
import sys
import time

from PIL import Image, ImageChops

TITLE = "Tavrek v3.2"
WINDOW = (1024, 600)
# Centres of the toolbar buttons in a window at 100 %, in the
# order of their tool-tips.
TOOLBAR = [(14, 57), (37, 57), (68, 57), (92, 57), (115, 57), (146, 57), (168, 57),
           (200, 57), (222, 57), (246, 57)]
EXTRA_LAYOUTS = 30
# Where the status bar starts in that window.
STATUS_TOP = 574
# Menus of the bar, counted from the left, and items counted from the top
# (separators are skipped by the arrow keys).
GAME, OPTIONS, SOUND, GRAPHICS, LAYOUT, HELP = range(6)


def run(*command):
    return subprocess.run(command, capture_output=True, text=True)


def root_shot():
    picture = "/tmp/tavrek-dialog-shot-%d.png" % os.getpid()
    run("import", "-window", "root", picture)
    return Image.open(picture).convert("RGB")


def main_window():
    return run("xdotool", "search", "--name", TITLE).stdout.split()


def wait_until(condition, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        if condition():
            return True
        time.sleep(0.2)
    return False


def keys(*names, delay=80):
    """Types `names` into the main window; the 3D view, drawn slowly by a
    software renderer, loses keys that come faster than a frame, so it gets a
    longer `delay`."""
    run("xdotool", "search", "--name", TITLE, "windowfocus", "--sync", "key", "--delay", str(delay), *names)
    time.sleep(0.8)


class Game:
    """One run of the program in the scratch start directory."""

    def __init__(self, exe_dir, home):
        self.exe_dir, self.home, self.process = exe_dir, home, None

    def start(self, settings):
        """Starts with these settings; with None, as on the first start, with
        no settings file at all."""
        path = os.path.join(self.exe_dir, "TAVREK32.INI")
        if settings is None:
            if os.path.exists(path):
                os.remove(path)
        else:
            with open(path, "w", newline="") as ini:
                ini.write("".join("%s = %s\r\n" % entry for entry in settings))
        env = dict(os.environ, HOME=self.home)
        self.process = subprocess.Popen(["wine", "tavrek.exe"], cwd=self.exe_dir, env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def stop(self):
        if self.process:
            self.process.kill()
            self.process.wait()
            self.process = None
        wait_until(lambda: not main_window(), 10)


class Album:
    """The pictures of one language, cut and kept in order."""

    def __init__(self, output, language):
        self.language = language
        self.folder = os.path.join(output, language[:-4])
        os.makedirs(self.folder, exist_ok=True)
        self.pictures = []

    def keep(self, name, picture):
        path = os.path.join(self.folder, name + ".png")
        picture.save(path)
        self.pictures.append((name, path))
        print(path)

    def changed(self, name, before, margin=4):
        """Keeps what differs from the picture `before` (a menu or a tip)."""
        after = root_shot()
        difference = ImageChops.difference(before, after)
        # The clock in the status bar ticks on its own.
        difference.paste((0, 0, 0), (0, STATUS_TOP, WINDOW[0], WINDOW[1]))
        box = difference.getbbox()
        if box is None:
            print("%s/%s: nothing appeared" % (self.language, name), file=sys.stderr)
            return
        left, top, right, bottom = box
        self.keep(name, after.crop((max(left - margin, 0), max(top - margin, 0),
                                    right + margin, bottom + margin)))


def settings_for(language):
    return [("Language", '"%s"' % language), ("WindowXPos", "0"), ("WindowYPos", "0"),
            ("WindowXSize", str(WINDOW[0])), ("WindowYSize", str(WINDOW[1])), ("Music", '""')]


def open_menu(menu, *steps):
    """Opens menu number `menu` of the bar, then walks `steps` keys in it."""
    keys("F10", *(["Right"] * menu), "Down", *steps)


def close_menus():
    """A click on the status bar closes every open menu and does nothing else."""
    run("xdotool", "mousemove", "900", str(STATUS_TOP + 10), "click", "1")
    time.sleep(0.8)


def menu_shots(album, base):
    shown = [("menu-game", GAME, []), ("menu-options", OPTIONS, []),
             ("menu-options-language", OPTIONS, ["Down"] * 4 + ["Right"]),
             ("menu-sound", SOUND, []), ("menu-sound-music", SOUND, ["Right"]),
             ("menu-graphics", GRAPHICS, []), ("menu-graphics-background", GRAPHICS, ["Down", "Right"]),
             ("menu-layout", LAYOUT, []), ("menu-layout-more", LAYOUT, ["Down"] * 3 + ["Right"]),
             ("menu-help", HELP, [])]
    for name, menu, steps in shown:
        open_menu(menu, *steps)
        album.changed(name, base)
        close_menus()


def tip_shots(album, base):
    for number, (x, y) in enumerate(TOOLBAR):
        run("xdotool", "mousemove", str(x), str(y))
        time.sleep(1.3)
        album.changed("tip-%02d" % number, base)
        run("xdotool", "mousemove", "600", "700")
        time.sleep(0.4)


def shown_windows():
    return set(run("xdotool", "search", "--onlyvisible", "--name", ".*").stdout.split())


def geometry(window):
    out = run("xdotool", "getwindowgeometry", "--shell", window).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return tuple(int(values.get(k, 0)) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def new_window(before):
    """The largest window with a caption shown since `before` (the dialog,
    not a menu or a tip)."""
    fresh = [(geometry(w), w) for w in shown_windows() - before
             if run("xdotool", "getwindowname", w).stdout.strip()]
    fresh = [(g, w) for g, w in fresh if g[2] > 100 and g[3] > 50]
    return max(fresh, key=lambda found: found[0][2] * found[0][3])[1] if fresh else None


def dialog(album, name, opening, closing=("Return",), delay=150):
    """Opens a dialog (or message box) with the keys `opening` (or a click at
    the point `opening`), keeps it and
    closes it with `closing`. Keys typed while the board redraws can be lost,
    so the opening is tried again, from closed menus, a few times."""
    before = shown_windows()
    window = None
    for attempt in range(3):
        if isinstance(opening[0], int):
            run("xdotool", "mousemove", str(opening[0]), str(opening[1]), "click", "1")
        elif opening[-1] == "Return":
            # A Return typed in one go with the arrows that reach the item
            # is sometimes lost by the menu: it comes on its own.
            keys(*opening[:-1], delay=delay * (attempt + 1))
            run("xdotool", "key", "Return")
        else:
            keys(*opening, delay=delay * (attempt + 1))
        if wait_until(lambda: new_window(before), 6):
            window = new_window(before)
            break
        close_menus()
    if window is None:
        print("%s/%s: no dialog appeared" % (album.language, name), file=sys.stderr)
        return
    time.sleep(0.5)
    x, y, width, height = geometry(window)
    album.keep(name, root_shot().crop((x, y, x + width, y + height)))
    run("xdotool", "windowfocus", "--sync", window, "key", *closing)
    wait_until(lambda: window not in shown_windows(), 10)
    time.sleep(0.5)


def menu_keys(menu, item):
    return ["F10"] + ["Right"] * menu + ["Down"] + ["Down"] * item + ["Return"]


def view_shots(album, game, language):
    """The game starts in the 3D view: the 2D view comes first, with the
    menus, tool-tips and dialogs, then the 3D view's own dialogs."""
    game.start(settings_for(language))
    wait_until(main_window)
    time.sleep(4)
    album.keep("main-3d", root_shot().crop((0, 0) + WINDOW))
    keys(*menu_keys(OPTIONS, 0), delay=250)
    # The 2D board is drawn anew after the switch; the menus are cut against
    # the finished picture.
    time.sleep(4)
    base = root_shot()
    album.keep("main", base.crop((0, 0) + WINDOW))
    menu_shots(album, base)
    tip_shots(album, base)
    dialog(album, "dialog-settings", menu_keys(OPTIONS, 5))
    dialog(album, "dialog-colours", menu_keys(GRAPHICS, 2))
    dialog(album, "dialog-hall-of-fame", ["F8"])
    dialog(album, "dialog-about", TOOLBAR[8])
    dialog(album, "message-undo", ["F7"])
    dialog(album, "message-easy-mode", menu_keys(GAME, 2), ("Escape",))
    keys(*menu_keys(OPTIONS, 0), delay=250)
    time.sleep(3)
    dialog(album, "dialog-settings-3d", menu_keys(OPTIONS, 5), delay=250)
    dialog(album, "dialog-colours-3d", menu_keys(GRAPHICS, 2), delay=250)
    game.stop()


def language_question(album, game):
    """The first start asks for the language before any is read."""
    before = shown_windows()
    game.start(None)
    if wait_until(lambda: new_window(before), 30):
        time.sleep(1.5)
        window = new_window(before)
        x, y, width, height = geometry(window)
        album.keep("dialog-language", root_shot().crop((x, y, x + width, y + height)))
        run("xdotool", "windowfocus", "--sync", window, "key", "alt+Down")
        time.sleep(1)
        album.keep("dialog-language-open", root_shot().crop((x, y, x + width, y + height + 320)))
    game.stop()


def contact_sheet(album):
    """All pictures of a language on one page, in reading order."""
    pictures = [Image.open(path) for _, path in album.pictures if not os.path.basename(path).startswith("main")]
    width, rows, row, x = 1280, [], [], 0
    for picture in pictures:
        if row and x + picture.width > width:
            rows.append(row)
            row, x = [], 0
        row.append(picture)
        x += picture.width + 8
    rows.append(row)
    sheet = Image.new("RGB", (width, sum(max(p.height for p in r) + 8 for r in rows if r) or 1), "white")
    y = 0
    for line in rows:
        x = 0
        for picture in line:
            sheet.paste(picture, (x, y))
            x += picture.width + 8
        y += max((p.height for p in line), default=0) + 8
    path = os.path.join(album.folder, "sheet.png")
    sheet.save(path)
    print(path)


def index_page(output, albums):
    parts = ["<!DOCTYPE html>", '<html lang="en"><head><meta charset="utf-8"><title>Tavrek in every language</title>',
             "<style>body{font-family:sans-serif}figure{display:inline-block;margin:6px;vertical-align:top}"
             "</style></head><body><h1>Tavrek in every language</h1>"]
    for album in albums:
        parts.append("<h2>%s</h2>" % html.escape(album.language))
        for name, path in album.pictures:
            relative = os.path.relpath(path, output)
            parts.append('<figure><img src="%s" alt="%s"><figcaption>%s</figcaption></figure>'
                         % (relative, html.escape(name), html.escape(name)))
    parts.append("</body></html>")
    with open(os.path.join(output, "index.html"), "w", encoding="utf-8") as index:
        index.write("\n".join(parts) + "\n")


def scratch_start(exe, data, output):
    """A start directory of its own: the program, a copy of the data and a
    HOME whose sound device lets the sound menu show."""
    start = os.path.join(output, "game")
    shutil.rmtree(start, ignore_errors=True)
    shutil.copytree(data, start)
    shutil.copy(exe, start)
    for folder in ("SCORES", "SAVEGAME"):
        os.makedirs(os.path.join(start, folder), exist_ok=True)
    # The file lists page at about fifty names on this screen: copies of a
    # layout make the layout menu long enough to show its MORE item.
    for number in range(EXTRA_LAYOUTS):
        shutil.copy(os.path.join(data, "LAYOUTS", "DEFAULT.TVL"),
                    os.path.join(start, "LAYOUTS", "ZZ%02d.TVL" % number))
    home = os.path.abspath(os.path.join(output, "home"))
    os.makedirs(home, exist_ok=True)
    with open(os.path.join(home, ".asoundrc"), "w") as sound:
        sound.write("pcm.!default { type null }\n")
    return Game(start, home)


def main(exe, data, output, languages):
    game = scratch_start(exe, data, output)
    chosen = languages or sorted(name for name in os.listdir(os.path.join(data, "LANGUAGE"))
                                 if name.upper().endswith(".TXT"))
    albums = []
    for language in chosen:
        album = Album(output, language)
        view_shots(album, game, language)
        contact_sheet(album)
        albums.append(album)
    question = Album(output, "FIRST-START.TXT")
    language_question(question, game)
    albums.append(question)
    index_page(output, albums)
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]))
