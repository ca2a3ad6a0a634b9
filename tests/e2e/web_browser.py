# web_browser.py SITE CONSOLE PROBLEMS: serves SITE to headless Chromium, does web_test.sh's
# commands (points on the canvas), answers "ok" or "error ...", logs to the two files.
import functools, http.server, os, re, shutil, signal, subprocess, sys, tempfile, threading, time

from selenium import webdriver
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder

FLAGS = ("--headless=new --use-angle=swiftshader --enable-unsafe-swiftshader --ignore-gpu-blocklist "
         "--no-sandbox --disable-gpu-sandbox --no-first-run --disable-background-networking "
         "--disable-component-update --disable-sync --lang=en-US "
         "--autoplay-policy=no-user-gesture-required").split()


# Both of the page's clocks ten times as fast from the moment it opens, whichever the game reads.
FAST_CLOCKS = """
    const realNow = Date.now, start = realNow(); Date.now = () => start + (realNow() - start) * 10;
    const realPerformanceNow = performance.now.bind(performance), origin = realPerformanceNow();
    performance.now = () => origin + (realPerformanceNow() - origin) * 10;"""

REFUSED_STORAGE = "IDBFactory.prototype.open = () => { throw new DOMException('refused', 'SecurityError'); };"

# A standard gamepad that the page's navigator lends once plugged: brumaloPad(button, value) presses,
# brumaloPad('axis', n, value) pushes the left stick, brumaloPad('plug', 0 or 1).
FAKE_PAD = """
    const pad = {id: 'Test pad', index: 0, connected: true, mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0],
                 buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
    let plugged = false, reads = 0;
    Object.defineProperty(Navigator.prototype, 'getGamepads', {value: () => (reads++, [plugged ? pad : null])});
    window.brumaloPad = (what, value, more) => {  // resolves once the game has read the change
        if (what === 'plug') plugged = value === 1;
        else if (what === 'axis') pad.axes[value] = more;
        else pad.buttons[what] = {pressed: value > 0.5, touched: value > 0, value: value};
        const changed = reads, timestamp = ++pad.timestamp;
        return new Promise((done) => { const read = () => reads > changed ? done(timestamp) : setTimeout(read, 5); read(); });
    };"""

# Another origin's page that frames the site, from a sub-folder, as a game portal does.
PORTAL = '<!doctype html><title>Portal</title><link rel="icon" href="data:,"><iframe id="game" src="%s" width="800" height="600" style="border: 0" %s></iframe>'

Quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *_: None})


class Browser:
    def __init__(self, site, console, problems):
        self.site = site
        self.serve(0)
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.console, self.problems = open(console, "a", buffering=1), open(problems, "a", buffering=1)
        options = webdriver.ChromeOptions()
        for flag in FLAGS + ["--user-data-dir=" + os.path.dirname(os.path.abspath(console)) + "/profile"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        # The page, not the window, must be 800 by 600: then the 4:3 canvas
        # fills it, as the game's window does on the desktop.
        self.size(800, 600)

    # The site on a port, 0 for any free one.
    def serve(self, port):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Quiet, directory=self.site))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    # The window is the page and its frame (never negative, as a busy machine's stale page size may make it):
    # measured again until the page is the size asked for twice running.
    def size(self, width, height):
        self.driver.set_window_size(width, height)
        matched = 0
        for _ in range(300):  # a busy machine's browser may take many tries
            time.sleep(0.1)
            inner = self.driver.execute_script("return [innerWidth, innerHeight]")
            matched = matched + 1 if inner == [width, height] else 0
            if matched == 0:
                outer = self.driver.get_window_size()
                self.driver.set_window_size(width + max(0, outer["width"] - inner[0]),
                                            height + max(0, outer["height"] - inner[1]))
            elif matched == 2:
                return
        raise RuntimeError("the page stays %dx%d, not %dx%d" % (*inner, width, height))

    def poll(self):
        for entry in self.driver.get_log("browser"):
            if entry["level"] == "SEVERE":
                self.problems.write(entry["message"] + "\n")
            text = re.fullmatch(r'\S+ \d+:\d+ "(.*)"', entry["message"], re.S)  # 'URL LINE:COLUMN "text"'
            self.console.write((text.group(1) if text else entry["message"]) + "\n")

    def shown(self, name):
        return self.driver.execute_script(
            "const e = document.getElementById(arguments[0]); return !e.hidden", name)

    # Until a page runs the game that the test has not yet seen running.
    def started(self):
        deadline = time.monotonic() + 180
        while self.driver.execute_script("return window.brumaloSeen === true") or self.shown("loading"):
            if self.shown("problem") or time.monotonic() > deadline:
                raise RuntimeError("no game: " + self.driver.find_element("id", "problem").text)
            time.sleep(0.2)
        self.driver.execute_script("window.brumaloSeen = true")

    def on_page(self, x, y):
        box = self.driver.find_element("id", "canvas").rect
        frame = getattr(self, "frame", {"x": 0, "y": 0})  # a pointer moves on the whole page
        return int(frame["x"] + box["x"] + x), int(frame["y"] + box["y"] + y)

    def pointer(self, action, x=None, y=None):
        actions = ActionBuilder(self.driver, duration=0)  # one event, however far
        if x is not None:
            actions.pointer_action.move_to_location(*self.on_page(x, y))
        if action:
            getattr(actions.pointer_action, action)()
        actions.perform()

    def touch(self, kind, x=0, y=0):
        x, y = self.on_page(x, y)
        points = [] if kind == "touchEnd" else [{"x": x, "y": y, "id": 1}]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def portal(self, allow_fullscreen):
        root = tempfile.mkdtemp(dir=os.path.dirname(self.console.name))
        os.makedirs(root + "/games")
        os.symlink(self.site, root + "/games/brumalo")
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=root))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        port = server.server_address[1]
        with open(root + "/portal.html", "w") as page:
            page.write(PORTAL % ("http://127.0.0.1:%d/games/brumalo/" % port, 'allow="fullscreen"' if allow_fullscreen else ""))
        self.driver.get("http://localhost:%d/portal.html" % port)
        frame = self.driver.find_element("id", "game")
        self.frame = frame.rect
        self.driver.switch_to.frame(frame)

    # The site copied, one file changed, and its worker written again as the build writes it.
    def rebuilt(self, folder):
        shutil.copytree(self.site, folder)
        with open(folder + "/page.css", "a") as css:
            css.write("\n:root { --brumalo-build: 2; }\n")
        top = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
        subprocess.run([sys.executable, top + "/cmake/web/service_worker.py", top + "/cmake/web/service-worker.js", folder],
                       check=True)
        return folder

    def glass(self, axis):
        return self.driver.execute_script("return [Module._brumaloGlassX(), Module._brumaloGlassY()]")[axis]

    # One axis at a time, held at full speed to 40 units short, then slowly: by keys, Shift held, or by the
    # stick half pushed; a slow page lets it run on past, and it comes back slowly. Answers where the
    # glass came to.
    def steer(self, by, x, y):
        for axis, target, keys in ((0, x, ("ARROW_LEFT", "ARROW_RIGHT")), (1, y, ("ARROW_UP", "ARROW_DOWN"))):
            for short, slow in ((40, False),) + ((3, True),) * 4:
                if slow and abs(target - self.glass(axis)) <= 8:
                    break
                toward = 1 if target > self.glass(axis) else -1
                held, push = ["SHIFT"] * slow + [keys[toward > 0]], toward * (0.5 if slow else 1)
                self.run(*(["press"] + held if by == "keys" else ["pad", "axis", str(axis), str(push)]))
                deadline = time.monotonic() + 60
                while (target - self.glass(axis)) * toward > short and time.monotonic() < deadline:
                    time.sleep(0.005)
                self.run(*(["release"] + held if by == "keys" else ["pad", "axis", str(axis), "0"]))
        if max(abs(self.glass(0) - x), abs(self.glass(1) - y)) > 12:
            raise RuntimeError("%s steered the glass to %.1f %.1f" % (by, self.glass(0), self.glass(1)))

    def run(self, command, *words):
        numbers = [float(word) for word in words if re.fullmatch(r"[\d.]+", word)]
        answer = ""
        if command in ("open", "again", "portal"):  # the page, or another game offered on it
            if command != "again":
                self.driver.switch_to.default_content()
                self.frame = {"x": 0, "y": 0}
            if command == "portal":  # portal allow|deny: the frame's fullscreen
                self.portal(words[0] == "allow")
            elif command == "open":
                self.driver.get(self.url)
            else:
                self.driver.find_element("id", "play-again").click()
            self.started()
        elif command == "shot":
            self.driver.find_element("id", "canvas").screenshot(words[0])
        elif command in ("move", "down", "up"):
            self.pointer({"move": None, "down": "pointer_down", "up": "pointer_up"}[command], *numbers)
        elif command in ("touch", "drag", "lift"):
            self.touch({"touch": "touchStart", "drag": "touchMove", "lift": "touchEnd"}[command], *numbers)
        elif command == "key":  # a modifier first: key CONTROL q
            *held, key = [getattr(Keys, word, word) for word in words]
            actions = ActionChains(self.driver)
            for each in held:
                actions.key_down(each)
            actions.send_keys(key)
            for each in held:
                actions.key_up(each)
            actions.perform()
        elif command in ("press", "release"):  # keys held down until released: press SHIFT ARROW_UP
            actions = ActionChains(self.driver)
            for key in [getattr(Keys, word, word) for word in words if not re.fullmatch(r"[\d.]+", word)]:
                (actions.key_down if command == "press" else actions.key_up)(key)
            actions.perform()
        elif command == "steer":  # the glass to a place on the canvas by keys or pad: steer keys 320 125
            self.steer(words[0], *numbers)
        elif command == "gamepad":  # the pages to come lend one standard gamepad, plugged in by brumaloPad
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FAKE_PAD})
        elif command == "pad":  # pad 0 1: A pressed; pad axis 1 -0.5: the stick half up; pad plug 1: plugged in
            answer = " " + str(self.driver.execute_async_script("brumaloPad(" + ", ".join(
                word if re.fullmatch(r"-?[\d.]+", word) else "'%s'" % word for word in words) + ").then(arguments[0])"))
        elif command == "shown":
            answer = " yes" if self.shown(words[0]) else " no"
        elif command == "ask":  # what a line of JavaScript makes of the page: ask FS.readdir('/')
            answer = " " + str(self.driver.execute_script("return " + " ".join(words))).replace("\n", "|")
        elif command == "fast":  # the game's clock ten times as fast on the pages to come, as faketime's
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FAST_CLOCKS})
        elif command == "refuse":  # the pages to come find IndexedDB refused, as a private window may
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": REFUSED_STORAGE})
        elif command == "phone":  # the pages to come on a phone's touch screen, W by H CSS pixels: phone 844 390
            width, height = map(int, numbers)
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True,
                "screenOrientation": {"type": "landscapePrimary", "angle": 90} if width > height
                else {"type": "portraitPrimary", "angle": 0}})
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        elif command == "size":  # of the page: size 640 480
            self.size(*map(int, numbers))
        elif command == "hide":  # another tab in front, and back after the seconds given
            game_tab = self.driver.current_window_handle
            self.driver.switch_to.new_window("tab")
            time.sleep(numbers[0])
            self.driver.close()
            self.driver.switch_to.window(game_tab)
        elif command == "tab":  # the Nth tab from 1, opened empty when there is none yet
            tabs = self.__dict__.setdefault("tabs", [self.driver.current_window_handle])
            while len(tabs) < numbers[0]:
                self.driver.switch_to.new_window("tab")
                tabs.append(self.driver.current_window_handle)
            self.driver.switch_to.window(tabs[int(numbers[0]) - 1])
        elif command == "hold":  # a letter pressed, repeated by the keyboard N times, let go: hold m 3
            pressed = {"key": words[0], "code": "Key" + words[0].upper(), "windowsVirtualKeyCode": ord(words[0].upper())}
            for repeated in [False] + [True] * int(numbers[0]):
                self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(pressed, type="rawKeyDown", autoRepeat=repeated))
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(pressed, type="keyUp"))
        elif command == "kept":  # a file as the site's storage holds it, not the page's copy: kept FOLDER FILE
            answer = " " + str(self.driver.execute_async_script("""
                const [folder, file, done] = arguments, opening = indexedDB.open(folder);
                opening.onerror = () => done('no storage');
                opening.onsuccess = () => {
                    try {
                        const reading = opening.result.transaction('FILE_DATA').objectStore('FILE_DATA').get(folder + '/' + file);
                        reading.onsuccess = () => done(reading.result ? new TextDecoder().decode(reading.result.contents) : 'none');
                    } catch (error) {
                        done('no storage');
                    }
                    opening.result.close();
                };""", words[0], words[1])).replace("\n", "|")
        elif command == "await":  # what a promise comes to: await navigator.serviceWorker.ready.then(r => !!r.active)
            answer = " " + str(self.driver.execute_async_script(
                "Promise.resolve(" + " ".join(words) + ").then(arguments[0], (e) => arguments[0]('failed: ' + e))"))
        elif command == "installable":  # Chromium's reasons not to install the page, or yes
            errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
            answer = " " + (",".join(error["errorId"] for error in errors) or "yes")
        elif command == "serve":  # serve off: the network gone; serve on: back on the same port
            port = self.server.server_address[1]
            self.server.shutdown()
            self.server.server_close()
            if words[0] == "on":
                self.serve(port)
        elif command == "rebuild":  # a new build in the site's place, its page.css changed: served from now on
            self.site = self.rebuilt(os.path.dirname(os.path.abspath(self.console.name)) + "/site2")
            self.run("serve", "on")
        elif command == "revisit":  # every tab closed, then the site opened afresh: the next visit
            old_tabs = self.driver.window_handles
            self.driver.switch_to.new_window("tab")
            fresh = self.driver.current_window_handle
            for tab in old_tabs:  # each page gone before the next opens, as a closed tab's is
                self.driver.switch_to.window(tab)
                self.driver.get("about:blank")
                self.driver.close()
            self.driver.switch_to.window(fresh)
            self.tabs = [fresh]
            self.driver.get(self.url)
            self.started()
        self.poll()
        return "ok" + answer


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # the browser closes all the same
    browser = Browser(*sys.argv[1:4])
    try:
        print("ok " + browser.url, flush=True)
        for line in sys.stdin:
            try:
                print(browser.run(*line.split()), flush=True)
            except Exception as problem:  # the script says what failed, and stops
                print("error %s: %s" % (type(problem).__name__, str(problem).split("\n")[0]), flush=True)
    finally:
        browser.driver.quit()


main()
