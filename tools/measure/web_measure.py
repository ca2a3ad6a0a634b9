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


# --- Fill beside a one-layer page ------------------------------------------------

# Counts the pixels a page fills: every fragment shader is made to write 1/255
# of red, added up by blending, so that a read of the canvas sums, pixel by
# pixel, how many times each was drawn (the scissor, the viewport and every
# triangle's edges counted as the renderer counts them). The drawing buffer is
# kept after each frame so the tool can read it between frames. The page's
# own picture is lost, and its frame rate is not measured with it.
COUNT_FILL = """
const counted = new WeakSet();
const original = {};
for (const name of ['shaderSource', 'createShader', 'enable', 'disable', 'blendFunc',
                    'blendFuncSeparate', 'blendEquation', 'clearColor']) {
    original[name] = WebGLRenderingContext.prototype[name];
}
const proto = WebGLRenderingContext.prototype;
proto.createShader = function(type) {
    const shader = original.createShader.call(this, type);
    if (type === this.FRAGMENT_SHADER) {
        counted.add(shader);
    }
    return shader;
};
proto.shaderSource = function(shader, source) {
    if (counted.has(shader)) {
        const end = source.lastIndexOf('}');
        source = source.slice(0, end) + 'gl_FragColor = vec4(1.0 / 255.0, 0.0, 0.0, 1.0); ' + source.slice(end);
    }
    return original.shaderSource.call(this, shader, source);
};
const addUp = (gl) => {
    original.enable.call(gl, gl.BLEND);
    original.blendEquation.call(gl, gl.FUNC_ADD);
    original.blendFunc.call(gl, gl.ONE, gl.ONE);
};
proto.enable = function(cap) { original.enable.call(this, cap); addUp(this); };
proto.disable = function(cap) { if (cap !== this.BLEND) original.disable.call(this, cap); addUp(this); };
proto.blendFunc = proto.blendFuncSeparate = proto.blendEquation = function() { addUp(this); };
proto.clearColor = function() { original.clearColor.call(this, 0, 0, 0, 0); addUp(this); };
const getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function(kind, attributes) {
    const gl = getContext.call(this, kind, Object.assign({}, attributes, {preserveDrawingBuffer: true}));
    if (gl) {
        addUp(gl);
    }
    return gl;
};
"""

# Full windows filled in the frame last drawn: the canvas's red summed.
READ_FILL = """
const canvas = document.getElementById('canvas');
const gl = canvas.getContext('webgl') || canvas.getContext('experimental-webgl');
const pixels = new Uint8Array(canvas.width * canvas.height * 4);
gl.readPixels(0, 0, canvas.width, canvas.height, gl.RGBA, gl.UNSIGNED_BYTE, pixels);
let sum = 0;
for (let i = 0; i < pixels.length; i += 4) {
    sum += pixels[i];
}
return sum / (canvas.width * canvas.height);
"""

# The reference: an 800 by 600 canvas that draws, each animation frame, one
# full-window quad textured from a 1024-texel square picture (the size of the
# game's own) and blended over the cleared canvas, and nothing else.
ONE_LAYER_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>One layer</title></head>
<body style="margin:0;background:#000;overflow:hidden">
<canvas id="canvas" width="800" height="600" style="display:block;width:800px;height:600px"></canvas>
<script>
const gl = document.getElementById('canvas').getContext('webgl');
const shader = (type, source) => {
    const made = gl.createShader(type);
    gl.shaderSource(made, source);
    gl.compileShader(made);
    return made;
};
const program = gl.createProgram();
gl.attachShader(program, shader(gl.VERTEX_SHADER, 'attribute vec2 p; varying vec2 t; ' +
    'void main() { t = p * 0.5 + 0.5; gl_Position = vec4(p, 0.0, 1.0); }'));
gl.attachShader(program, shader(gl.FRAGMENT_SHADER, 'precision mediump float; varying vec2 t; ' +
    'uniform sampler2D s; void main() { gl_FragColor = texture2D(s, t) * vec4(1.0, 1.0, 1.0, 0.8); }'));
gl.linkProgram(program);
gl.useProgram(program);
gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([-1, -1, 1, -1, -1, 1, 1, 1]), gl.STATIC_DRAW);
gl.enableVertexAttribArray(0);
gl.vertexAttribPointer(0, 2, gl.FLOAT, false, 0, 0);
const texels = new Uint8Array(1024 * 1024 * 4);
for (let i = 0; i < texels.length; ++i) {
    texels[i] = (i * 2654435761) >>> 24;
}
gl.bindTexture(gl.TEXTURE_2D, gl.createTexture());
gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, 1024, 1024, 0, gl.RGBA, gl.UNSIGNED_BYTE, texels);
gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.LINEAR);
gl.clearColor(0, 0, 0, 1);
gl.enable(gl.BLEND);
gl.blendFunc(gl.SRC_ALPHA, gl.ONE_MINUS_SRC_ALPHA);
const frame = () => {
    gl.clear(gl.COLOR_BUFFER_BIT);
    gl.drawArrays(gl.TRIANGLE_STRIP, 0, 4);
    requestAnimationFrame(frame);
};
requestAnimationFrame(frame);
</script></body></html>
"""


def browser(profile, watch):
    driver = chromium(profile)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": watch})
    return driver


# Every half second, the fill of the frame last drawn, with its time.
WATCH_FILL = """
window.measuredFills = [];
setInterval(() => {
    const canvas = document.getElementById('canvas');
    if (canvas && canvas.width) {
        window.measuredFills.push([performance.now(), (() => { %s })()]);
    }
}, 500);
""" % READ_FILL


# The page's clocks ten times as fast from the moment it opens, so that a
# game reaches the dusk in a minute or so, until setClockSpeed(1) puts them
# back to real time's pace, going on from where they are.
FAST_CLOCKS = """
const realNow = performance.now.bind(performance), origin = realNow(), dateOrigin = Date.now();
let speed = 10, realAt = origin, fakeAt = origin;
const fakeNow = () => fakeAt + (realNow() - realAt) * speed;
performance.now = fakeNow;
Date.now = () => dateOrigin + (fakeNow() - origin);
window.setClockSpeed = (faster) => { fakeAt = fakeNow(); realAt = realNow(); speed = faster; };
"""


# The fill of the live game's frames once the dusk has darkened (game second
# 190 of 240), the median of those read over the next four seconds, with the
# clocks back at real time's pace (the sun moving as fast as in play).
def dusk_fill(url):
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile, WATCH + FAST_CLOCKS + COUNT_FILL + WATCH_FILL)
        try:
            driver.get(url)
            title_time(driver)
            driver.execute_script("Module.setCanvasSize = () => {};")
            for _ in range(2):
                time.sleep(1)
                pointer(driver, "click", 400, 300)
            deadline = time.monotonic() + 600
            while driver.execute_script("return Module._brumaloClockSeconds()") < 190:
                if time.monotonic() > deadline:
                    raise Failed("the game never reached the dusk")
                time.sleep(1)
            driver.execute_script("setClockSpeed(1)")
            time.sleep(1)
            start = driver.execute_script("return performance.now()")
            time.sleep(4)
            fills = driver.execute_script("return window.measuredFills")
            return statistics.median(fill for at, fill in fills if at > start)
        finally:
            driver.quit()


# A page played as play() plays the game (the one-layer page takes the clicks
# and changes nothing), the game's canvas held at the full 800 pixels (the
# page's watcher is not let step it down): its frames, or with counting on,
# the median fill of the frames read in the last four seconds of play.
def measured_page(url, game, counting):
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile, WATCH + (COUNT_FILL + WATCH_FILL if counting else ""))
        try:
            driver.get(url)
            if game:
                title_time(driver)
                driver.execute_script("Module.setCanvasSize = () => {};")
            fps, p95 = play(driver)
            end, fills = driver.execute_script("return [performance.now(), window.measuredFills]")
            figures = {"fps": fps, "p95": p95,
                       "width": driver.execute_script("return document.getElementById('canvas').width")}
            if counting:
                figures["fill"] = statistics.median(fill for at, fill in fills if at > end - 4000)
            return figures
        finally:
            driver.quit()


# Each round measures the one-layer page and the game at 800 pixels one after
# the other, so that both meet the same load on the machine; the ratios are
# taken round by round.
def fill_beside_one_layer(rounds, url):
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "index.html"), "w") as page:
            page.write(ONE_LAYER_PAGE)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        reference_url = "http://127.0.0.1:%d/" % server.server_address[1]
        results = []
        for each in range(rounds):
            print("fill round %d of %d" % (each + 1, rounds), file=sys.stderr, flush=True)
            layer, game = measured_page(reference_url, False, False), measured_page(url, True, False)
            results.append({"layer fps": layer["fps"], "layer p95": layer["p95"], "fps": game["fps"],
                            "p95": game["p95"], "width": game["width"], "fps ratio": game["fps"] / layer["fps"],
                            "p95 ratio": game["p95"] / layer["p95"],
                            "fill": measured_page(url, True, True)["fill"],
                            "layer fill": measured_page(reference_url, False, True)["fill"],
                            "dusk fill": dusk_fill(url)})
        server.shutdown()
    column = lambda name: [r[name] for r in results]
    print("The game at the full canvas beside a page of one full-window textured blended layer,")
    print("medians of %d rounds (min-max), each round both pages in turn:" % rounds)
    print("  game's fill, full windows a frame    %-22s at most 1.2" % spread(column("fill")))
    print("  game's fill at dusk, the same        %-22s at most 1.2" % spread(column("dusk fill")))
    print("  one-layer page's fill, the same      %-22s" % spread(column("layer fill")))
    print("  game's canvas, pixels wide           %-22s held at 800" % spread(column("width")))
    print("  one-layer page, frames per second    %-22s" % spread(column("layer fps")))
    print("  game, frames per second              %-22s" % spread(column("fps")))
    print("  game's fps over the page's           %-22s at least 0.95" % spread(column("fps ratio")))
    print("  one-layer page, 95th percentile      %-22s" % spread(column("layer p95"), 1, " ms"))
    print("  game, 95th percentile                %-22s" % spread(column("p95"), 1, " ms"))
    print("  game's p95 over the page's           %-22s" % spread(column("p95 ratio")))


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
    fill_beside_one_layer(rounds, url)
    slow_link_figures(rounds, url, site)
    offline_figures(rounds, url)


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


# --- A second visit with no network --------------------------------------------

# The site's worker keeps every file after a first visit: a second visit with
# the network gone starts from its cache.
WORKER_ACTIVE = ("navigator.serviceWorker.getRegistration().then((r) => arguments[0](!!(r && r.active && "
                 "r.active.state === 'activated')), () => arguments[0](false))")
OFFLINE = {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}


def offline_round(url):
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile, WATCH)
        try:
            driver.get(url)
            title_time(driver)
            deadline = time.monotonic() + 180
            while not driver.execute_async_script(WORKER_ACTIVE):
                if time.monotonic() > deadline:
                    raise Failed("no service worker kept the site")
                time.sleep(0.5)
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", OFFLINE)
            driver.get(url)
            return title_time(driver)
        finally:
            driver.quit()


def offline_figures(rounds, url):
    times = []
    for each in range(rounds):
        print("offline, round %d of %d" % (each + 1, rounds), file=sys.stderr, flush=True)
        times.append(offline_round(url))
    print("A second visit with the network gone, from the site's worker; medians of %d rounds (min-max):" % rounds)
    print("  time to title             %-26s at most 1000 ms" % spread(times, 1, " ms"))


if __name__ == "__main__":
    try:
        main()
    except Exception as problem:  # a run that failed says so in one line
        print("web_measure: %s: %s" % (type(problem).__name__, str(problem).strip().split("\n")[0]), file=sys.stderr)
        sys.exit(1)
