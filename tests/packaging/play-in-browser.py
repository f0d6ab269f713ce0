#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the web folder on 127.0.0.1 and plays one game in it with Debian's Chromium, headless, in
English, as a player would:
- the page shows the game's window at the layout's size (the reference screenshot's), with the Linux
  program's colours where the layout puts its controls, and its fixed captions drawn as there;
- the page's title (and the window's title bar) scrolls the marquee;
- Space presses Begin (the title says the player's die rolls); a click on Stop ends the game with a
  result line and scores that agree;
- once Qt's accessibility is switched on (its "Enable Screen Reader" button, as a screen reader's user
  does), the page's accessibility tree has the button with the name and description the game gave it,
  and the page's live region says each announced step;
- the page's console shows no error;
- the window's close button ends the game, and the page then shows the game's icon, which starts it again;
- in a browser that asks for Arabic, the page is in Arabic and the window mirrored, as the Linux
  program's (<reference>-ar.png).
Usage: play-in-browser.py <folder> <reference screenshot> <screenshot to write>
"""
import functools
import http.server
import io
import os
import re
import sys
import threading
import time


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def ok(message):
    print(f"ok: {message}")


try:
    from PIL import Image
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.keys import Keys
except ImportError as error:
    fail(f"{error.name} is missing (Debian packages python3-selenium and python3-pil; scripts/packages.sh names them)")

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
LIVE_REGION = "#highroll-announcements"
# Points where a control's background shows, whatever the dice: the computer's panel, the score panel, the
# value box, the die, the result line and the window itself.
POINTS = ((210, 120), (345, 260), (124, 4), (60, 112), (76, 316), (10, 300))
# The captions that never change, in twips (15 to a pixel at 96 dpi): Comp, You, score, Label2, Label3.
CAPTIONS = {"Comp": (3000, 0, 2295, 615), "You": (3120, 1200, 2055, 495), "score": (120, 3120, 1455, 495),
            "Label2": (1800, 2760, 1935, 495), "Label3": (1800, 3360, 855, 495)}
# Qt's window lives in shadow roots under the page's screen element: the first element there that
# matches arguments[0].
FIND = """const all = [];
const walk = (root) => { for (const e of root.querySelectorAll('*')) { all.push(e); if (e.shadowRoot) walk(e.shadowRoot); } };
walk(document);
const found = all.find((e) => e.matches(arguments[0]));"""


def wait_for(seconds, what, probe):
    deadline = time.monotonic() + seconds
    while not (value := probe()):
        if time.monotonic() > deadline:
            fail(f"waited {seconds}s for {what}")
        time.sleep(0.1)
    return value


class Folder(http.server.SimpleHTTPRequestHandler):
    # WebAssembly is compiled as it arrives only when served as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *arguments):
        pass


def rect(driver, selector):
    return driver.execute_script(FIND + """if (!found) return null;
        const r = found.getBoundingClientRect(); return [r.left, r.top, r.width, r.height];""", selector)


def text(driver, selector):
    return driver.execute_script(FIND + "return found ? found.textContent : null;", selector)


def title(driver):
    """The page's title, which keeps the window title's spaces as no-break spaces."""
    return driver.title.replace("\u00a0", " ")


def button_in_tree(driver):
    """The game's button as the page's accessibility tree has it: (name, description), or None."""
    for node in driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]:
        name = node.get("name", {}).get("value", "")
        if not node.get("ignored") and node.get("role", {}).get("value") == "button" and name in ("Begin", "Stop"):
            return name, node.get("description", {}).get("value", "")
    return None


def browser(language):
    """Debian's Chromium, headless, at one pixel a CSS pixel, asking pages for language."""
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--window-size=1024,768", "--force-device-scale-factor=1",
                     f"--lang={language}", "--disable-dev-shm-usage", "--no-first-run", "--disable-extensions"):
        options.add_argument(argument)
    if os.geteuid() == 0:  # Chromium's sandbox refuses root (a build root, a container)
        options.add_argument("--no-sandbox")
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def window_shown(driver, url, reference):
    """Opens the page (unless url is None) and waits for the game's window, which must have the reference's
    size."""
    if url:
        driver.get(url)
    window = wait_for(60, "the game's window in the page", lambda: rect(driver, "canvas.qt-window-content"))
    if (round(window[2]), round(window[3])) != reference.size:
        fail(f"the window is {window[2]}x{window[3]}, the layout's size is {reference.size[0]}x{reference.size[1]}")
    return [round(v) for v in window]


def picture(driver, window, path):
    """The window's client area, as the page shows it, kept at path."""
    left, top, width, height = window
    page = Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
    shot = page.crop((left, top, left + width, top + height))
    shot.save(path)
    return shot


def ink(image):
    """The dark pixels of a caption: how many, and the box that holds them."""
    dark = image.convert("L").point(lambda v: 255 if v < 102 else 0)
    return sum(1 for v in dark.getdata() if v), dark.getbbox() or (0, 0, 0, 0)


def compare(shot, reference, path, mirror=False):
    for x, y in POINTS:
        point = (reference.size[0] - 1 - x, y) if mirror else (x, y)
        if shot.getpixel(point) != reference.getpixel(point):
            fail(f"at {point} the window shows {shot.getpixel(point)}, the Linux program {reference.getpixel(point)} ({path})")
    if mirror:
        return
    # Each caption in the same place as on Linux, with as much ink: the same face at the same size.
    for name, (left, top, width, height) in CAPTIONS.items():
        box = tuple(v // 15 for v in (left, top, left + width, top + height))
        ours, linux = ink(shot.crop(box)), ink(reference.crop(box))
        if abs(ours[0] - linux[0]) > linux[0] * 0.15 or any(abs(a - b) > 3 for a, b in zip(ours[1], linux[1])):
            fail(f"the caption {name} has {ours[0]} dark pixels in {ours[1]}, on Linux {linux[0]} in {linux[1]} ({path})")
    # The result line (the winlose row: 1080, 4080, 3015, 735 twips) holds text.
    if ink(shot.crop((72, 272, 273, 321)))[0] <= 50:
        fail(f"the result line shows no text ({path})")


def no_console_errors(driver):
    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    if errors:
        fail("the page's console shows errors:\n" + "\n".join(errors))


def play(driver, url, reference, path):
    window = window_shown(driver, url, reference)
    ok(f"the page shows a window of the layout's size, {window[2]}x{window[3]}, at {window[0]},{window[1]}")
    # A screen reader's user presses Qt's button first; it is out of sight, and the only one at the start.
    if not driver.execute_script(FIND + "if (found) found.click(); return !!found;",
                                 "button.hidden-visually-read-by-screen-reader"):
        fail("Qt's Enable Screen Reader button is not in the page")
    computer = r"The computer rolled [1-6]\. Press Begin to roll your die\."
    seen = wait_for(30, "the button after the computer's roll in the accessibility tree",
                    lambda: (b := button_in_tree(driver)) and b[0] == "Begin" and re.fullmatch(computer, b[1]) and b)
    ok(f"the accessibility tree has the button after the computer's roll: '{seen[0]}': '{seen[1]}'")
    # The title bar shows the marquee's spaces as HTML does, one for each run.
    marquee = wait_for(10, "the marquee in the page's title", lambda: "Y o u r  L u c k" in title(driver) and title(driver))
    if "L u c k" not in (text(driver, ".title-bar") or ""):
        fail(f"the window's title bar shows '{text(driver, '.title-bar')}', not the marquee")
    ok(f"the page's title and the window's scroll the marquee: '{marquee}'")

    ActionChains(driver).send_keys(Keys.SPACE).perform()
    rolling = "Your die is rolling. Press Stop to stop it."
    wait_for(10, "the player's die to roll after Space", lambda: text(driver, LIVE_REGION) == rolling)
    wait_for(5, "the player's title", lambda: "Roll for the Money" in title(driver))
    wait_for(5, "the button named Stop", lambda: button_in_tree(driver) == ("Stop", rolling))
    ok(f"Space pressed Begin: '{title(driver)}'; the live region says '{rolling}'")
    # Stop is the button the layout puts at the top left of its row (0, 1800, 3015, 855 twips): its middle,
    # from the window's centre, where Selenium's offsets start.
    canvas = driver.execute_script(FIND + "return found;", "canvas.qt-window-content")
    ActionChains(driver).move_to_element_with_offset(canvas, 100 - window[2] // 2, 148 - window[3] // 2).click().perform()
    result = wait_for(10, "the result after the click on Stop",
                      lambda: (t := text(driver, LIVE_REGION) or "").startswith("You rolled") and t)
    if not re.search(r"You Win!!! Score: computer 0, you 10\.|You Lose\.\.\. Score: computer 10, you 0\.|"
                     r"It's a Tie! Score: computer 5, you 5\.", result):
        fail(f"the result does not agree with its scores: {result}")
    wait_for(5, "the button named Begin again, described with the result", lambda: button_in_tree(driver) == ("Begin", result))
    ok(f"a click on Stop ended the game: '{result}', in the live region and the button's description")

    time.sleep(0.5)  # the repaint after the result
    compare(picture(driver, window, path), reference, path)
    no_console_errors(driver)
    ok(f"the controls' colours and captions are where the layout puts them, as on Linux; no console error ({path})")

    # The window's close button ends the program: the page shows the game's icon in its place, with the
    # focus, and the program's timers stop with it (the marquee no longer scrolls the page's title).
    button = driver.execute_script(FIND.replace("all.find", "all.filter") + """
        const r = found.filter((e) => e.getBoundingClientRect().width > 0).pop().getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2];""", ".title-bar .action-button")
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(*map(round, button)).click()
    actions.perform()
    again = "return document.activeElement.id === 'again' && !document.getElementById('ended').hidden;"
    wait_for(10, "the game's icon in the window's place, with the focus", lambda: driver.execute_script(again))
    before = driver.title
    time.sleep(1)
    reason = text(driver, "#reason")
    if reason or driver.title != before:
        fail(f"after the close button the page gives the reason '{reason}', its title went from '{before}' to '{driver.title}'")
    no_console_errors(driver)
    ActionChains(driver).send_keys(Keys.SPACE).perform()  # the icon starts the game again
    wait_for(10, "the page to load again", lambda: driver.execute_script("return document.getElementById('ended').hidden;"))
    window_shown(driver, None, reference)
    ok("the close button ended the game: the page shows the game's icon in its place, which starts it again")


def mirrored(driver, url, reference, path):
    window = window_shown(driver, url, reference)
    language = driver.execute_script("return document.documentElement.lang;")
    if language != "ar":
        fail(f"a browser asking for Arabic gets a page in '{language}'")
    wait_for(10, "the computer's roll in Arabic", lambda: driver.title != "HighRoll" and "L u c k" not in title(driver))
    time.sleep(0.5)
    compare(picture(driver, window, path), reference, path, mirror=True)
    no_console_errors(driver)
    ok(f"in Arabic the page is lang=ar, titled '{title(driver).strip()}', the window mirrored as on Linux ({path})")


def main():
    if len(sys.argv) != 4:
        fail("usage: play-in-browser.py <folder> <reference screenshot> <screenshot to write>")
    folder, reference, path = sys.argv[1:]
    for program, package in ((CHROMIUM, "chromium"), (CHROMEDRIVER, "chromium-driver")):
        if not os.access(program, os.X_OK):
            fail(f"{program} is not installed (Debian package {package})")
    if not os.path.isfile(os.path.join(folder, "index.html")):
        fail(f"no index.html in {folder}")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Folder, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    try:
        for language, check, suffix in (("en-US", play, ""), ("ar", mirrored, "-ar")):
            driver = browser(language)
            try:
                check(driver, url, Image.open(reference.replace(".png", suffix + ".png")).convert("RGB"),
                      path.replace(".png", suffix + ".png"))
            finally:
                driver.quit()
    finally:
        server.shutdown()


if __name__ == "__main__":
    main()
