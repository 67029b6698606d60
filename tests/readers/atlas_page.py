#!/usr/bin/env python3
"""Opens the atlas page in headless Chromium, as a player opens it from disk,
and uses it: nothing may be requested but the page itself and its data:
pictures, no script may fail, the screenshot must show the map, the index
must list every place, and a search by name (accents left out) and by
"x,y" must centre and mark the right cell, Enter stepping to the next hit.

    atlas_page.py QV_ATLAS_VIEWS [SCREENSHOT_DIR]

QV_ATLAS_VIEWS writes the page of the small test world (tests/atlas/
sample_worlds.h) into a fresh folder first.
"""

import base64
import json
import pathlib
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import png_pixels  # noqa: E402
from chromium import DevTools, LOAD_SECONDS  # noqa: E402

# The places of the small world, as the index must list them.
PLACES = ["(név nélkül) (60,31)", "Árnyékvölgy (55,28)", "Kis Tükörtó <b> & \"idézet\" (56,33)",
          "Látatlan rév (63,34)", "Messzi Ősvár (1001,-500)", "Tükörtó (57,31)"]


def main():
    shots = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else None
    failures = []
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([sys.argv[1], work], check=True, stdout=subprocess.DEVNULL)
        page = pathlib.Path(work, "atlasz.htm")
        profile = pathlib.Path(work, "profile")
        tools = DevTools(str(profile))
        try:
            session = tools.open_tab(1300, 850)
            started = time.monotonic()
            tools.call("Page.navigate", {"url": page.as_uri()}, session=session)

            def events(until):
                """Looks at the events until `until` (a method) arrives."""
                deadline = time.monotonic() + LOAD_SECONDS
                while True:
                    message = tools.received.pop(0) if tools.received else tools.read(deadline)
                    if message is None:
                        failures.append("no %s in %d s" % (until, LOAD_SECONDS))
                        return
                    method, params = message.get("method"), message.get("params", {})
                    if method == "Network.requestWillBeSent":
                        url = params["request"]["url"]
                        if url != page.as_uri() and not url.startswith("data:"):
                            failures.append("the page asked for %s" % url)
                    elif method == "Runtime.exceptionThrown":
                        details = params["exceptionDetails"]
                        failures.append("script error: %s %s" % (
                            details.get("text", "?"),
                            details.get("exception", {}).get("description", "")))
                    elif method == "Runtime.consoleAPICalled" and params.get("type") == "error":
                        failures.append("console error: %s" % params.get("args"))
                    elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
                        failures.append("error: %s" % params["entry"].get("text"))
                    if method == until:
                        return

            events("Page.loadEventFired")
            print("atlasz.htm loaded in %.2f s" % (time.monotonic() - started))

            def evaluate(expression):
                result = tools.call("Runtime.evaluate",
                                    {"expression": expression, "returnByValue": True},
                                    session=session)
                if "exceptionDetails" in result:
                    failures.append("%s failed: %s" % (expression, result["exceptionDetails"]))
                    return None
                return result["result"].get("value")

            def screenshot(name):
                time.sleep(0.3)  # a frame for the drawing
                shot = base64.b64decode(tools.call("Page.captureScreenshot", {"format": "png"},
                                                   session=session)["data"])
                if shots:
                    (shots / name).write_bytes(shot)
                return shot

            share = png_pixels.drawn_share(screenshot("atlas-open.png"))
            print("%.1f%% of the screenshot drawn" % (share * 100))
            if share < 0.05:
                failures.append("the screenshot is nearly blank (%.4f drawn)" % share)

            index = evaluate("[...document.querySelectorAll('#index li')].map(li => li.textContent)")
            if sorted(index or []) != sorted(PLACES):
                failures.append("the index lists %s" % index)

            def search(text, expected, keys=()):
                evaluate("document.getElementById('q').value = ''; document.getElementById('q').focus()")
                tools.call("Input.insertText", {"text": text}, session=session)
                for key in keys:
                    for kind in ("keyDown", "keyUp"):
                        tools.call("Input.dispatchKeyEvent",
                                   {"type": kind, "key": key, "code": key,
                                    "windowsVirtualKeyCode": 13}, session=session)
                view = evaluate("atlasView()")
                centre = view and [view["x"] - 0.5, view["y"] - 0.5]
                if not view or view["selected"] != expected or centre != expected:
                    failures.append("searching %r%s gave %s, not %s in the middle" % (
                        text, " + " + "+".join(keys) if keys else "", view, expected))

            search("tukor", [57, 31])
            screenshot("atlas-tukor.png")
            search("tukor", [56, 33], keys=["Enter"])
            search("  1001, -500 ", [1001, -500])
            search("(55,28)", [55, 28])
        finally:
            tools.close()
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
