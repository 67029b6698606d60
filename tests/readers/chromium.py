#!/usr/bin/env python3
"""Loads an item-list page in headless Chromium, as a player opens it, and
checks that nothing fails but the report's own stylesheet link (the report
names a stylesheet of the game's site that is not beside it), and that a
screenshot of the page is not blank.

    chromium.py PAGE.htm [SCREENSHOT.png]

Chromium is driven over its DevTools pipe (file descriptors 3 and 4), so no
library beyond Python's own is needed.
"""

import base64
import json
import os
import pathlib
import re
import select
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import png_pixels  # noqa: E402

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--hide-scrollbars", "--remote-debugging-pipe"]
LOAD_SECONDS = 60


class DevTools:
    """Commands and events on Chromium's DevTools pipe: JSON messages, each
    ended by a NUL byte."""

    def __init__(self, profile):
        to_browser, self.commands = os.pipe()
        self.events, from_browser = os.pipe()
        # Out of the way of 3 and 4, which the child's copies take.
        to_browser, from_browser = self._high(to_browser), self._high(from_browser)

        # dup2 leaves 3 and 4 open across exec; every other descriptor of
        # ours is closed there (Python opens them close-on-exec).
        def descriptors():
            os.dup2(to_browser, 3)
            os.dup2(from_browser, 4)

        self.browser = subprocess.Popen(["chromium", "--user-data-dir=" + profile] + FLAGS,
                                        close_fds=False, preexec_fn=descriptors,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self.pending = b""
        self.next_id = 0
        self.received = []  # events not yet looked at

    @staticmethod
    def _high(descriptor):
        moved = os.dup2(descriptor, 100 + descriptor)
        os.close(descriptor)
        return moved

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        return self.next_id

    def read(self, deadline):
        """The next message, or None when the deadline passes."""
        while b"\0" not in self.pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.events], [], [], left)[0]:
                return None
            chunk = os.read(self.events, 1 << 20)
            if not chunk:
                raise RuntimeError("Chromium closed its DevTools pipe")
            self.pending += chunk
        message, self.pending = self.pending.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        number = self.send(method, params, session)
        deadline = time.monotonic() + LOAD_SECONDS
        while True:
            message = self.read(deadline)
            if message is None:
                raise RuntimeError("Chromium did not answer " + method)
            if message.get("id") == number:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self.received.append(message)

    def open_tab(self, width, height):
        """A blank tab of width x height pixels with its page, script, log and
        network events on; returns its session."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget",
                            {"targetId": target, "flatten": True})["sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network"):
            self.call(domain + ".enable", session=session)
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False},
                  session=session)
        return session

    def close(self):
        try:
            self.send("Browser.close")
            self.browser.wait(timeout=10)
        except Exception:
            self.browser.kill()


def stylesheets(page):
    """The stylesheet links the report itself carries."""
    return set(re.findall(rb'<LINK[^>]*REL=["\']?stylesheet[^>]*HREF=["\']?([^"\' >]+)',
                          page, re.IGNORECASE))


def main():
    page = pathlib.Path(sys.argv[1]).resolve()
    allowed = {name.decode("latin-1") for name in stylesheets(page.read_bytes())}
    failures = []
    with tempfile.TemporaryDirectory() as profile:
        tools = DevTools(profile)
        try:
            session = tools.open_tab(1200, 1600)
            tools.call("Page.navigate", {"url": page.as_uri()}, session=session)
            requests, loaded = {}, False
            deadline = time.monotonic() + LOAD_SECONDS
            while not loaded:
                message = tools.received.pop(0) if tools.received else tools.read(deadline)
                if message is None:
                    failures.append("the page did not finish loading in %d s" % LOAD_SECONDS)
                    break
                method, params = message.get("method"), message.get("params", {})
                if method == "Page.loadEventFired":
                    loaded = True
                elif method == "Network.requestWillBeSent":
                    requests[params["requestId"]] = params["request"]["url"]
                elif method == "Network.loadingFailed":
                    url = requests.get(params["requestId"], "?")
                    if not any(url.endswith("/" + name) for name in allowed):
                        failures.append("failed to load %s: %s" % (url, params.get("errorText")))
                elif method == "Runtime.exceptionThrown":
                    details = params["exceptionDetails"]
                    failures.append("script error: %s %s" % (
                        details.get("text", "?"),
                        details.get("exception", {}).get("description", "")))
                elif method == "Runtime.consoleAPICalled" and params.get("type") == "error":
                    failures.append("console error: %s" % params.get("args"))
                elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
                    entry = params["entry"]
                    url = entry.get("url", "")
                    if not (entry.get("source") == "network" and
                            any(url.endswith("/" + name) for name in allowed)):
                        failures.append("error: %s %s" % (entry.get("text"), url))
            shot = base64.b64decode(
                tools.call("Page.captureScreenshot", {"format": "png"}, session=session)["data"])
        finally:
            tools.close()
    if len(sys.argv) > 2:
        pathlib.Path(sys.argv[2]).write_bytes(shot)
    share = png_pixels.drawn_share(shot)
    if share < 0.01:
        failures.append("the screenshot is blank (%.4f of it drawn)" % share)
    print("%s: loaded in Chromium, %.1f%% of the screenshot drawn" % (page.name, share * 100))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
