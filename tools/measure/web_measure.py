# web_measure.py ROUNDS SITE: the browser build's figures, each the median of
# ROUNDS runs in headless Chromium (web_measure.sh explains them). Each round
# is a fresh browser profile: a cold visit, played five seconds, then a warm
# second visit. Everything the tool watches is injected by it, never built in.
import functools, http.server, os, statistics, sys, tempfile, threading, time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder

FLAGS = ("--headless=new --use-angle=swiftshader --enable-unsafe-swiftshader --ignore-gpu-blocklist "
         "--no-sandbox --disable-gpu-sandbox --no-first-run --disable-background-networking "
         "--disable-component-update --disable-sync --lang=en-US "
         "--autoplay-policy=no-user-gesture-required").split()

# The title is the first thing the game draws: its first draw call, shown at
# the next animation frame. A loop of our own notes every frame's time.
WATCH = """
window.measuredFrames = [];
const tick = (time) => { window.measuredFrames.push(time); requestAnimationFrame(tick); };
requestAnimationFrame(tick);
for (const name of ['drawArrays', 'drawElements']) {
    const original = WebGLRenderingContext.prototype[name];
    WebGLRenderingContext.prototype[name] = function() {
        if (window.measuredTitle === undefined) {
            window.measuredTitle = null;
            requestAnimationFrame(() => { window.measuredTitle = performance.now(); });
        }
        return original.apply(this, arguments);
    };
}
"""

# What the page fetched: [name, uncompressed bytes, bytes over the wire, HTTP status].
FETCHED = """
const origin = location.origin + '/';
return performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
    .map((e) => [e.name.replace(origin, '') || 'index.html', e.decodedBodySize, e.transferSize, e.responseStatus]);
"""

Quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *_: None})


class Failed(Exception):
    pass


def title_time(driver):
    deadline = time.monotonic() + 60
    while (shown := driver.execute_script("return window.measuredTitle")) is None:
        problem = driver.execute_script("const p = document.getElementById('problem'); "
                                        "return p && !p.hidden ? p.textContent.trim() : ''")
        if problem or time.monotonic() > deadline:
            raise Failed("the game never drew its title" + (": " + problem if problem else ""))
        time.sleep(0.05)
    return shown


def pointer(driver, action, x=None, y=None):
    actions = ActionBuilder(driver, duration=0)
    if x is not None:
        box = driver.find_element("id", "canvas").rect
        actions.pointer_action.move_to_location(int(box["x"] + x), int(box["y"] + y))
    if action:
        getattr(actions.pointer_action, action)()
    actions.perform()


# Title, instructions, then the light held five seconds on a branch, as on the
# desktop: frames per second and the 95th percentile frame in milliseconds.
def play(driver):
    time.sleep(1)
    for _ in range(2):
        pointer(driver, "click", 400, 300)
        time.sleep(1)
    pointer(driver, "pointer_down", 320, 125)
    time.sleep(1)
    start = driver.execute_script("return performance.now()")
    time.sleep(5)
    end, frames = driver.execute_script("return [performance.now(), window.measuredFrames]")
    pointer(driver, "pointer_up")
    frames = [t for t in frames if start < t <= end]
    gaps = sorted(b - a for a, b in zip(frames, frames[1:]))
    if not gaps:
        raise Failed("no frames while playing")
    return len(frames) / ((end - start) / 1000), gaps[max(0, -(-95 * len(gaps) // 100) - 1)]


# Chromium with a fresh profile, its page (not its window) 800 by 600, as the
# browser test has it.
def chromium(profile):
    options = webdriver.ChromeOptions()
    for flag in FLAGS + ["--user-data-dir=" + profile]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.set_window_size(800, 600)
        inner = driver.execute_script("return [innerWidth, innerHeight]")
        driver.set_window_size(1600 - inner[0], 1200 - inner[1])
    except Exception:
        driver.quit()
        raise
    return driver


def round_of(url):
    with tempfile.TemporaryDirectory() as profile:
        driver = chromium(profile)
        try:
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
            driver.get(url)
            cold = title_time(driver)
            fps, p95 = play(driver)
            # The page draws fewer pixels where frames come late: the figures
            # hold for the canvas as it was at the end of play.
            width = driver.execute_script("return document.getElementById('canvas').width")
            fetched = driver.execute_script(FETCHED)
            driver.get(url)
            figures = {"cold": cold, "warm": title_time(driver), "fps": fps, "p95": p95, "width": width}
            return fetched, figures
        finally:
            driver.quit()


def spread(values, scale=1, unit=""):
    values = [v / scale for v in values]
    digits = 0 if max(values) >= 100 else 1 if max(values) >= 10 else 2
    return "%.*f%s (%.*f-%.*f)" % (digits, statistics.median(values), unit, digits, min(values), digits, max(values))


def main():
    rounds, site = int(sys.argv[1]), sys.argv[2]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/" % server.server_address[1]
    results, fetched = [], None
    for each in range(rounds):
        print("round %d of %d" % (each + 1, rounds), file=sys.stderr, flush=True)
        files, figures = round_of(url)
        fetched = fetched or files
        figures["download"] = sum(size for _, size, *_ in files)
        figures["code"] = sum(size for name, size, *_ in files if name in ("brumalo.js", "brumalo.wasm"))
        results.append(figures)
    column = lambda name: [r[name] for r in results]
    print("Files an English player's first visit fetched (bytes uncompressed, over the wire; HTTP status):")
    for name, size, wire, status in fetched:
        print("  %10d %10d %4s  %s" % (size, wire, status, name))
    print("Medians of %d rounds (min-max); KB and MB are 1000 and 1000000 bytes:" % rounds)
    print("  download, every file      %-26s at most 6 MB" % spread(column("download"), 1e6, " MB"))
    print("  brumalo.js + brumalo.wasm %-26s at most 600 KB" % spread(column("code"), 1e3, " KB"))
    print("  time to title, cold       %-26s at most 2000 ms" % spread(column("cold"), 1, " ms"))
    print("  time to title, warm       %-26s at most 2000 ms" % spread(column("warm"), 1, " ms"))
    print("  frames per second         %-26s at least 55" % spread(column("fps")))
    print("  95th percentile frame     %-26s at most 25 ms" % spread(column("p95"), 1, " ms"))
    print("  canvas drawn, pixels wide %-26s of 800 for the page" % spread(column("width")))
    slow_link_figures(rounds, url, site)


# --- A first visit over a slow link --------------------------------------------

# A phone's link as Chromium emulates it: 1.6 Mbit/s down, 750 kbit/s up, 150 ms
# round trips, nothing cached. Bytes per second, as the protocol takes them.
SLOW_LINK = {"offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8,
             "uploadThroughput": 0.75e6 / 8}

# The page's Largest Contentful Paint as Chromium reports it, and the time
# each of the game's console lines was printed (emscripten prints through
# console.log, bound when its script runs, after this).
SLOW_WATCH = WATCH + """
window.measuredPaint = null;
new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) { window.measuredPaint = entry.startTime; }
}).observe({type: 'largest-contentful-paint', buffered: true});
window.measuredLines = [];
const log = console.log;
console.log = function() {
    window.measuredLines.push([performance.now(), String(arguments[0])]);
    return log.apply(this, arguments);
};
"""

# Each file's bytes over the wire and when its last byte came.
ARRIVALS = """
return performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
    .map((e) => [e.transferSize, e.responseEnd]);
"""


def line_time(driver, text, seconds):
    deadline = time.monotonic() + seconds
    while True:
        for at, line in driver.execute_script("return window.measuredLines"):
            if line.startswith(text):
                return at
        if time.monotonic() > deadline:
            raise Failed("no console line '%s' in %d s" % (text, seconds))
        time.sleep(0.1)


# The lake is ready for play when the click that starts a game would start
# it: with every picture and sound the live game needs in the page. A site
# that brings them behind the title says so on the console when their
# package has come; one that downloads all before the game starts has them
# at the title. The music may come later still: everything is in once the
# last package has come.
def slow_round(url, site):
    later = os.path.exists(os.path.join(site, "brumalo-lake.data"))
    with tempfile.TemporaryDirectory() as profile:
        driver = chromium(profile)
        try:
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": SLOW_WATCH})
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            # A site's worker fetches outside the page's emulated link: the
            # page's own requests go past it, over that link.
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW_LINK)
            driver.get(url)
            title = title_time(driver)
            lake = line_time(driver, "Loaded package brumalo-lake.data", 120) if later else title
            whole = line_time(driver, "Loaded package brumalo-music.data", 120) if later else title
            paint = driver.execute_script("return window.measuredPaint")
            arrivals = driver.execute_script(ARRIVALS)
            return {"title": title, "lake": lake, "whole": whole, "paint": paint,
                    "before title": sum(size for size, end in arrivals if end <= title),
                    "total": sum(size for size, _ in arrivals)}
        finally:
            driver.quit()


def slow_link_figures(rounds, url, site):
    results = []
    for each in range(rounds):
        print("slow link, round %d of %d" % (each + 1, rounds), file=sys.stderr, flush=True)
        results.append(slow_round(url, site))
    column = lambda name: [r[name] for r in results]
    print("A first visit over 1.6 Mbit/s with 150 ms round trips, nothing cached; "
          "medians of %d rounds (min-max):" % rounds)
    print("  time to title             %-26s at most 5000 ms" % spread(column("title"), 1, " ms"))
    print("  lake ready for play       %-26s at most 15000 ms" % spread(column("lake"), 1, " ms"))
    print("  everything in, the music  %-26s" % spread(column("whole"), 1, " ms"))
    if None not in column("paint"):
        print("  Largest Contentful Paint  %-26s" % spread(column("paint"), 1, " ms"))
    else:
        print("  Largest Contentful Paint  none reported")
    print("  bytes before the title    %-26s" % spread(column("before title"), 1e3, " KB"))
    print("  bytes, every file         %-26s at most 6 MB" % spread(column("total"), 1e6, " MB"))


try:
    main()
except Exception as problem:  # a run that failed says so in one line
    print("web_measure: %s: %s" % (type(problem).__name__, str(problem).strip().split("\n")[0]), file=sys.stderr)
    sys.exit(1)
