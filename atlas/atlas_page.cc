#include "atlas/atlas_page.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string_view>

#include "graphics/picture_metafile.h"
#include "platform/encoding.h"
#include "platform/replacing_file.h"
#include "text/base64.h"

namespace qv {
namespace {

// The page before its data: styles and the elements the script fills.
constexpr std::string_view kPageHead = R"HTML(<!DOCTYPE html>
<html lang="hu">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Atlasz</title>
<style>
html, body { margin: 0; height: 100%; font: 14px/1.35 "Segoe UI", Arial, sans-serif; }
body { display: flex; flex-direction: column; }
header { display: flex; flex-wrap: wrap; gap: 6px 12px; align-items: center; padding: 6px 10px;
  background: #f3f1ea; border-bottom: 1px solid #bbb; }
header h1 { font-size: 18px; margin: 0 8px 0 0; }
#main { flex: 1; display: flex; min-height: 0; }
#view { flex: 1; position: relative; min-width: 0; }
#map { display: block; width: 100%; height: 100%; cursor: grab; touch-action: none; outline: none; }
#tip { position: absolute; display: none; pointer-events: none; background: #fffde8;
  border: 1px solid #887; padding: 4px 7px; box-shadow: 2px 2px 4px #0003; max-width: 280px; }
aside { width: 300px; overflow: auto; border-left: 1px solid #bbb; padding: 4px 12px;
  background: #fafafa; }
aside h2 { font-size: 15px; margin: 12px 0 4px; }
aside ol, aside ul { margin: 0; padding-left: 0; list-style: none; }
aside li { margin: 1px 0; }
a { color: #1a4f9c; text-decoration: none; cursor: pointer; }
a:hover { text-decoration: underline; }
.coord { color: #666; font-size: 12px; }
.swatch { display: inline-block; width: 14px; height: 14px; vertical-align: -2px;
  margin-right: 6px; border: 1px solid #999; }
#found { min-width: 90px; color: #444; }
.help { color: #555; font-size: 12px; }
button.on { font-weight: bold; }
</style>
</head>
<body>
<header>
<h1>Atlasz</h1>
<label>Keresés: <input id="q" type="search" placeholder="név vagy x,y" autocomplete="off"></label>
<button id="prev" title="Előző találat (Shift+Enter)">&#9664;</button>
<button id="next" title="Következő találat (Enter)">&#9654;</button>
<span id="found"></span>
<button id="fit" title="Az egész felfedezett világ (0)">Az egész világ</button>
<span id="summary"></span>
</header>
<div id="main">
<div id="view"><canvas id="map" tabindex="0"></canvas><div id="tip"></div></div>
<aside>
<h2>Mikor láttad</h2>
<div id="ages"></div>
<h2>Utak</h2>
<div id="paths"></div>
<h2>Helyek</h2>
<div>Sorrend: <button id="byName" class="on">név</button> <button id="byPlace">koordináta</button></div>
<ol id="index"></ol>
<h2>Ellentmondások</h2>
<ul id="conflicts"></ul>
<p class="help">Húzás vagy nyilak: mozgatás. Görgő vagy + és &minus;: nagyítás. 0: az egész világ.
Egy mező fölé állva vagy rákoppintva látszik, mi van ott.</p>
</aside>
</div>
)HTML";

// What the page does with its data. The cells are drawn on a canvas, only
// those in view: rows are found by a binary search, so drawing costs what
// is visible, never the world's extent.
constexpr std::string_view kPageScript = R"HTML(<script>
"use strict";
(function () {
const $ = (id) => document.getElementById(id);
const canvas = $("map"), ctx = canvas.getContext("2d"), tip = $("tip");
const RULER_TOP = 22, RULER_LEFT = 54;
const TERRAIN_NAMES = ["Tenger", "Tengerpart", "Kiégett föld", "Kiégett erdő", "Síkság", "Város",
  "Ritkás erdő", "Sűrű erdő", "Dombság", "Alacsony hegység", "Magas hegység", "Sivatag", "Mocsár",
  "Bozót"];
// Age classes: at most this many turns since last seen, the shade, the legend.
const AGES = [[0, 0, "ebben a fordulóban"], [5, 0.22, "1–5 fordulója"],
  [20, 0.38, "6–20 fordulója"], [100, 0.52, "21–100 fordulója"],
  [Infinity, 0.66, "több mint 100 fordulója"]];
// The icon mask from the highest value down: value, icon cell (-1: none),
// place in the 200-pixel cell.
const ICON_PLACES = [[1024, 7, 126, 126], [512, -1], [256, -1], [128, 6, 126, 126],
  [64, 5, 126, 126], [32, -1], [16, 4, 20, 20], [8, 3, 126, 20], [4, 2, 126, 20],
  [2, 1, 20, 126], [1, 0, 20, 20]];

function picture(src) {
  const image = new Image();
  image.onload = redraw;
  image.src = src;
  return image;
}
const tiles = TILES.map(picture), arrows = picture(ARROWS), icons = picture(ICONS);

// The numbers of a data text: digits with a "-" in front or not, anything
// else between them. Reading them from a text is much faster than a script
// of a big array.
function numbers(text) {
  const out = [];
  let n = 0, sign = 1, digits = false;
  for (let i = 0; i <= text.length; i++) {
    const c = i < text.length ? text.charCodeAt(i) : 32;
    if (c >= 48 && c <= 57) { n = n * 10 + c - 48; digits = true; }
    else if (c === 45) sign = -1;
    else {
      if (digits) out.push(sign * n);
      n = 0; sign = 1; digits = false;
    }
  }
  return out;
}

// Cells: rows of the same y, x ascending.
const CELLS = numbers(CELL_DATA), STEPS = numbers(STEP_DATA);
const X = [], Y = [], T = [], I = [], F = [], L = [], K = [], rowY = [], rowStart = [];
for (let p = 0; p < CELLS.length;) {
  const y = CELLS[p++], n = CELLS[p++];
  rowY.push(y);
  rowStart.push(X.length);
  let x = 0;
  for (let j = 0; j < n; j++) {
    x = j === 0 ? CELLS[p++] : x + CELLS[p++];
    X.push(x); Y.push(y); T.push(CELLS[p++]); I.push(CELLS[p++]);
    F.push(CELLS[p++]); L.push(CELLS[p++]); K.push(CELLS[p++]);
  }
}
rowStart.push(X.length);

function lowerBound(a, v, lo, hi) {
  while (lo < hi) {
    const mid = (lo + hi) >> 1;
    if (a[mid] < v) lo = mid + 1; else hi = mid;
  }
  return lo;
}
function findCell(x, y) {
  const r = lowerBound(rowY, y, 0, rowY.length);
  if (rowY[r] !== y) return -1;
  const i = lowerBound(X, x, rowStart[r], rowStart[r + 1]);
  return i < rowStart[r + 1] && X[i] === x ? i : -1;
}
function ageClass(i) {
  const age = NEWEST - L[i];
  return AGES.findIndex((a) => age <= a[0]);
}

// Places by cell, and folded for a search without accents.
const fold = (s) => s.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
const places = PLACES.map(([x, y, text], i) => ({ x, y, text, key: fold(text), order: i }));
const placesAt = new Map();
for (const p of places) {
  const k = p.x + "," + p.y;
  if (!placesAt.has(k)) placesAt.set(k, []);
  placesAt.get(k).push(p.text);
}
const collator = new Intl.Collator("hu", { numeric: true });
const byName = places.slice().sort((a, b) => collator.compare(a.text, b.text) || a.order - b.order);

// Steps: character, turn, x, y, arrow; the arrow is the way the step came
// into its cell (keypad: 8 up, 6 right, 5 stayed).
const steps = [];
for (let p = 0; p < STEPS.length; p += 5)
  steps.push({ k: STEPS[p], turn: STEPS[p + 1], x: STEPS[p + 2], y: STEPS[p + 3], arrow: STEPS[p + 4] });
const along = (a) => [(a - 1) % 3 - 1, 1 - Math.floor((a - 1) / 3)];
// Where each turn's walk starts: its step whose cell before is no step of that turn.
const starts = [];
for (let j = 0; j < steps.length;) {
  let end = j;
  const cells = new Set();
  while (end < steps.length && steps[end].k === steps[j].k && steps[end].turn === steps[j].turn) {
    cells.add(steps[end].x + "," + steps[end].y);
    end++;
  }
  let start = j;
  for (let s = j; s < end; s++) {
    const [dx, dy] = along(steps[s].arrow);
    if (steps[s].arrow === 5 || !cells.has((steps[s].x - dx) + "," + (steps[s].y - dy))) { start = s; break; }
  }
  starts.push(steps[start]);
  j = end;
}
const walks = new Map();
for (const st of steps) {
  if (!walks.has(st.k)) walks.set(st.k, []);
  walks.get(st.k).push(st);
}
const colour = (k) => "hsl(" + ((k * 137 + 10) % 360) + ", 85%, 40%)";

// The view: the world point in the middle of the map and pixels per cell.
let cx = 0.5, cy = 0.5, scale = 48, selected = null, hits = [], hit = -1;
const mapWidth = () => canvas.width - RULER_LEFT, mapHeight = () => canvas.height - RULER_TOP;
const left = () => cx - mapWidth() / 2 / scale, top = () => cy - mapHeight() / 2 / scale;
const screenX = (x) => Math.floor(RULER_LEFT + (x - left()) * scale);
const screenY = (y) => Math.floor(RULER_TOP + (y - top()) * scale);
const cellAt = (px, py) => [Math.floor(left() + (px - RULER_LEFT) / scale),
  Math.floor(top() + (py - RULER_TOP) / scale)];

// From afar a cell is its tile's grey, shaded by its age: one colour each.
const SHADE = "rgba(25, 45, 95, ";
const faded = TONES.map((grey) => AGES.map(([, shade]) => {
  const mix = (c) => Math.round(grey * (1 - shade) + c * shade);
  return "rgb(" + mix(25) + "," + mix(45) + "," + mix(95) + ")";
}));

// From very far a cell is a few pixels, written straight into the picture.
const fadedWords = TONES.map((grey) => AGES.map(([, shade]) => {
  const mix = (c) => Math.round(grey * (1 - shade) + c * shade);
  return (0xff000000 | (mix(95) << 16) | (mix(45) << 8) | mix(25)) >>> 0;  // little-endian RGBA
}));
function paintCell(i, words, width, height) {
  const px0 = Math.max(0, screenX(X[i]) - RULER_LEFT), px1 = Math.min(width, screenX(X[i] + 1) - RULER_LEFT);
  const py0 = Math.max(0, screenY(Y[i]) - RULER_TOP), py1 = Math.min(height, screenY(Y[i] + 1) - RULER_TOP);
  const word = fadedWords[T[i] - 1] ? fadedWords[T[i] - 1][ageClass(i)] : 0xffbbbbbb;
  for (let y = py0; y < Math.max(py1, py0 + 1) && y < height; y++)
    words.fill(word, y * width + px0, y * width + Math.max(px1, px0 + 1));
}

function drawCell(i, withPictures) {
  const px = screenX(X[i]), py = screenY(Y[i]);
  const w = Math.max(1, screenX(X[i] + 1) - px), h = Math.max(1, screenY(Y[i] + 1) - py);
  const t = T[i];
  if (withPictures && t >= 1 && t <= 14) {
    ctx.drawImage(tiles[t - 1], px, py, w, h);
    for (let mask = I[i], k = 0; mask > 0 && k < ICON_PLACES.length; k++) {
      const [value, cell, ix, iy] = ICON_PLACES[k];
      if (mask < value) continue;
      mask -= value;
      if (cell >= 0)
        ctx.drawImage(icons, 56 * cell, 0, 55, 56, px + ix * w / 200, py + iy * h / 200, 56 * w / 200, 56 * h / 200);
    }
  }
  const age = ageClass(i);
  if (!withPictures) {
    ctx.fillStyle = faded[t - 1] ? faded[t - 1][age] : "#bbb";
    ctx.fillRect(px, py, w, h);
  } else if (age > 0) {
    ctx.fillStyle = SHADE + AGES[age][1] + ")";
    ctx.fillRect(px, py, w, h);
  }
}

function drawSteps(withPictures) {
  const s = scale;
  ctx.lineCap = "round";
  ctx.lineWidth = Math.max(1.5, s / 12);
  const x0 = left() - 2, y0 = top() - 2, x1 = x0 + mapWidth() / s + 4, y1 = y0 + mapHeight() / s + 4;
  // One path of lines and one of dots per character.
  for (const [k, walk] of walks) {
    const lines = new Path2D(), dots = new Path2D();
    for (const st of walk) {
      if (st.x < x0 || st.x > x1 || st.y < y0 || st.y > y1) continue;
      const x = screenX(st.x) + s / 2, y = screenY(st.y) + s / 2;
      if (withPictures && st.turn === NEWEST && st.arrow >= 1 && st.arrow <= 9)
        ctx.drawImage(arrows, 48 * (st.arrow - 1), 0, 47, 47, x - 0.26 * s, y - 0.26 * s, 0.24 * s, 0.24 * s);
      if (st.arrow < 1 || st.arrow > 9 || st.arrow === 5) {
        const r = Math.max(2, s / 10);
        dots.moveTo(x + r, y);
        dots.arc(x, y, r, 0, 2 * Math.PI);
        continue;
      }
      const [dx, dy] = along(st.arrow);
      lines.moveTo(x - dx * s, y - dy * s);
      lines.lineTo(x, y);
    }
    ctx.strokeStyle = ctx.fillStyle = colour(k);
    ctx.stroke(lines);
    ctx.fill(dots);
  }
  if (s < 16) return;
  ctx.font = "bold " + Math.min(16, Math.round(s / 4)) + "px sans-serif";
  ctx.lineWidth = 3;
  ctx.textAlign = "left";
  ctx.textBaseline = "top";
  for (const st of starts) {
    const x = screenX(st.x) + 3, y = screenY(st.y) + 3;
    ctx.strokeStyle = "#fff";
    ctx.strokeText(st.turn + ".", x, y);
    ctx.fillStyle = colour(st.k);
    ctx.fillText(st.turn + ".", x, y);
  }
}

function drawPlaces() {
  const s = scale;
  if (s < 6) return;
  const x0 = left() - 1, y0 = top() - 1, x1 = x0 + mapWidth() / s + 2, y1 = y0 + mapHeight() / s + 2;
  ctx.font = "bold " + Math.max(11, Math.min(15, Math.round(s / 5))) + "px sans-serif";
  ctx.textAlign = "center";
  ctx.textBaseline = "bottom";
  for (const p of places) {
    if (p.x < x0 || p.x > x1 || p.y < y0 || p.y > y1) continue;
    const x = screenX(p.x) + s / 2, y = screenY(p.y + 1) - 2;
    ctx.fillStyle = "#c0392b";
    ctx.beginPath();
    ctx.arc(x, screenY(p.y) + s / 2, Math.max(2, s / 16), 0, 2 * Math.PI);
    ctx.fill();
    if (s < 40 || !p.text) continue;
    const w = ctx.measureText(p.text).width;
    ctx.fillStyle = "rgba(255, 255, 240, 0.9)";
    ctx.fillRect(x - w / 2 - 3, y - 17, w + 6, 17);
    ctx.fillStyle = "#000";
    ctx.fillText(p.text, x, y);
  }
}

function drawRulers() {
  ctx.fillStyle = "#e9e6da";
  ctx.fillRect(0, 0, canvas.width, RULER_TOP);
  ctx.fillRect(0, 0, RULER_LEFT, canvas.height);
  ctx.fillStyle = "#000";
  ctx.font = "12px sans-serif";
  const every = (room) => [1, 2, 5].map((m) => [1, 10, 100, 1000, 10000, 100000, 1000000]
    .map((p) => m * p)).flat().sort((a, b) => a - b).find((n) => n * scale >= room) || 1000000;
  const stepX = every(46), stepY = every(20);
  ctx.textAlign = "center";
  ctx.textBaseline = "middle";
  for (let x = Math.ceil(left() / stepX) * stepX; x < left() + mapWidth() / scale; x += stepX) {
    const px = RULER_LEFT + (x + 0.5 - left()) * scale;
    if (px > RULER_LEFT) ctx.fillText(String(x), px, RULER_TOP / 2);
  }
  ctx.textAlign = "right";
  for (let y = Math.ceil(top() / stepY) * stepY; y < top() + mapHeight() / scale; y += stepY) {
    const py = RULER_TOP + (y + 0.5 - top()) * scale;
    if (py > RULER_TOP) ctx.fillText(String(y), RULER_LEFT - 5, py);
  }
  ctx.fillStyle = "#d6d2c2";
  ctx.fillRect(0, 0, RULER_LEFT, RULER_TOP);
}

function frame(x, y, style, width) {
  ctx.strokeStyle = style;
  ctx.lineWidth = width;
  const px = screenX(x), py = screenY(y);
  ctx.strokeRect(px - width / 2, py - width / 2, screenX(x + 1) - px + width, screenY(y + 1) - py + width);
}

let pending = false;
function redraw() {
  if (!pending) { pending = true; requestAnimationFrame(draw); }
}
function draw() {
  pending = false;
  ctx.fillStyle = "#fff";
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  ctx.save();
  ctx.beginPath();
  ctx.rect(RULER_LEFT, RULER_TOP, mapWidth(), mapHeight());
  ctx.clip();
  const withPictures = scale >= 12 && tiles.every((t) => t.complete) && icons.complete && arrows.complete;
  const x0 = Math.floor(left()), x1 = left() + mapWidth() / scale, y1 = top() + mapHeight() / scale;
  const pixels = scale < 8 ? ctx.createImageData(mapWidth(), mapHeight()) : null;
  const words = pixels && new Uint32Array(pixels.data.buffer);
  if (words) words.fill(0xffffffff);
  for (let r = lowerBound(rowY, Math.floor(top()), 0, rowY.length); r < rowY.length && rowY[r] < y1; r++)
    for (let i = lowerBound(X, x0, rowStart[r], rowStart[r + 1]); i < rowStart[r + 1] && X[i] < x1; i++)
      if (words) paintCell(i, words, pixels.width, pixels.height);
      else drawCell(i, withPictures);
  if (pixels) ctx.putImageData(pixels, RULER_LEFT, RULER_TOP);
  drawSteps(withPictures);
  drawPlaces();
  for (const [x, y] of hits) frame(x, y, "#f39c12", 2);
  if (selected) frame(selected[0], selected[1], "#e0001b", 4);
  ctx.restore();
  drawRulers();
}

function resize() {
  const view = $("view");
  canvas.width = Math.max(100, view.clientWidth);
  canvas.height = Math.max(100, view.clientHeight);
  draw();
}

// Moving about.
const MAX_SCALE = 200;
let minScale = 1;
function fit() {
  if (X.length === 0) return;
  let x0 = Infinity, x1 = -Infinity;
  for (let r = 0; r < rowY.length; r++) {
    x0 = Math.min(x0, X[rowStart[r]]);
    x1 = Math.max(x1, X[rowStart[r + 1] - 1] + 1);
  }
  const y0 = rowY[0], y1 = rowY[rowY.length - 1] + 1;
  scale = Math.min(MAX_SCALE, mapWidth() / (x1 - x0), mapHeight() / (y1 - y0));
  minScale = Math.min(1, scale);
  cx = (x0 + x1) / 2;
  cy = (y0 + y1) / 2;
  redraw();
}
function zoomAt(factor, px, py) {
  const next = Math.max(minScale, Math.min(MAX_SCALE, scale * factor));
  const wx = left() + (px - RULER_LEFT) / scale, wy = top() + (py - RULER_TOP) / scale;
  scale = next;
  cx = wx - (px - RULER_LEFT) / scale + mapWidth() / 2 / scale;
  cy = wy - (py - RULER_TOP) / scale + mapHeight() / 2 / scale;
  redraw();
}
function centre(x, y) {
  cx = x + 0.5;
  cy = y + 0.5;
  if (scale < 40) scale = 64;
  selected = [x, y];
  showTip(null);
  redraw();
}

function describe(x, y) {
  const lines = ["(" + x + "," + y + ")"];
  const i = findCell(x, y);
  if (i < 0) lines[0] += " – nem látott mező";
  else {
    lines[0] += " " + (TERRAIN_NAMES[T[i] - 1] || "ismeretlen terep");
    lines.push("Először a " + F[i] + ". fordulóban, utoljára a " + L[i] + ". fordulóban látva (" +
      AGES[ageClass(i)][2] + ")");
    lines.push("Látta: " + CHARACTERS[K[i]] + ". karakter");
  }
  for (const text of placesAt.get(x + "," + y) || []) lines.push("Hely: " + (text || "(név nélkül)"));
  return lines;
}
function showTip(event) {
  if (!event) { tip.style.display = "none"; return; }
  const rect = canvas.getBoundingClientRect();
  const px = event.clientX - rect.left, py = event.clientY - rect.top;
  if (px < RULER_LEFT || py < RULER_TOP) { tip.style.display = "none"; return; }
  const [x, y] = cellAt(px, py);
  tip.replaceChildren(...describe(x, y).flatMap((line, n) => n ? [document.createElement("br"), line] : [line]));
  tip.style.display = "block";
  tip.style.left = Math.min(px + 14, canvas.width - 290) + "px";
  tip.style.top = Math.min(py + 14, canvas.height - 90) + "px";
}

let drag = null;
canvas.addEventListener("pointerdown", (e) => {
  drag = { x: e.clientX, y: e.clientY, moved: false };
  canvas.setPointerCapture(e.pointerId);
  canvas.focus();
});
canvas.addEventListener("pointermove", (e) => {
  if (!drag) { showTip(e); return; }
  const dx = e.clientX - drag.x, dy = e.clientY - drag.y;
  if (!drag.moved && Math.abs(dx) + Math.abs(dy) < 4) return;
  drag.moved = true;
  cx -= dx / scale;
  cy -= dy / scale;
  drag.x = e.clientX;
  drag.y = e.clientY;
  showTip(null);
  redraw();
});
canvas.addEventListener("pointerup", (e) => {
  if (drag && !drag.moved) showTip(e);
  drag = null;
});
canvas.addEventListener("pointerleave", () => { if (!drag) showTip(null); });
canvas.addEventListener("wheel", (e) => {
  e.preventDefault();
  const rect = canvas.getBoundingClientRect();
  zoomAt(e.deltaY < 0 ? 1.25 : 0.8, e.clientX - rect.left, e.clientY - rect.top);
}, { passive: false });
document.addEventListener("keydown", (e) => {
  if (e.target === $("q") || e.ctrlKey || e.altKey || e.metaKey) return;
  const pan = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] }[e.key];
  if (pan) {
    cx += pan[0] * mapWidth() / 4 / scale;
    cy += pan[1] * mapHeight() / 4 / scale;
    redraw();
  } else if (e.key === "+" || e.key === "=") zoomAt(1.25, RULER_LEFT + mapWidth() / 2, RULER_TOP + mapHeight() / 2);
  else if (e.key === "-") zoomAt(0.8, RULER_LEFT + mapWidth() / 2, RULER_TOP + mapHeight() / 2);
  else if (e.key === "0") fit();
  else return;
  e.preventDefault();
});
$("fit").addEventListener("click", fit);
window.addEventListener("resize", resize);

// Search by name (accents optional) or by "x,y"; Enter and the buttons step through the hits.
function search(text) {
  const m = /^\s*\(?\s*(-?\d+)\s*[,;\s]\s*(-?\d+)\s*\)?\s*$/.exec(text);
  const key = fold(text.trim());
  if (m) hits = [[Number(m[1]), Number(m[2])]];
  else {
    // Names that begin with the text first, then those that hold it.
    const found = key ? byName.filter((p) => p.key.includes(key)) : [];
    const begins = (p) => (p.key.startsWith(key) ? 0 : 1);
    hits = found.sort((a, b) => begins(a) - begins(b)).map((p) => [p.x, p.y]);
  }
  hit = hits.length ? 0 : -1;
  show();
}
function show() {
  $("found").textContent = hit < 0 ? ($("q").value.trim() ? "nincs találat" : "") : (hit + 1) + " / " + hits.length;
  if (hit >= 0) centre(hits[hit][0], hits[hit][1]); else redraw();
}
function stepHit(by) {
  if (!hits.length) return;
  hit = (hit + by + hits.length) % hits.length;
  show();
}
$("q").addEventListener("input", () => search($("q").value));
$("q").addEventListener("keydown", (e) => {
  if (e.key === "Enter") { stepHit(e.shiftKey ? -1 : 1); e.preventDefault(); }
});
$("next").addEventListener("click", () => stepHit(1));
$("prev").addEventListener("click", () => stepHit(-1));

// The side panel: legend, index, conflicts.
function link(text, x, y) {
  const a = document.createElement("a");
  a.textContent = text;
  a.href = "#";
  a.addEventListener("click", (e) => { e.preventDefault(); centre(x, y); });
  return a;
}
function item(...parts) {
  const li = document.createElement("li");
  li.append(...parts);
  return li;
}
function coords(x, y) {
  const span = document.createElement("span");
  span.className = "coord";
  span.textContent = " (" + x + "," + y + ")";
  return span;
}
function fillIndex(list) {
  $("index").replaceChildren(...list.map((p) => item(link(p.text || "(név nélkül)", p.x, p.y), coords(p.x, p.y))));
  $("byName").classList.toggle("on", list === byName);
  $("byPlace").classList.toggle("on", list === places);
}
$("byName").addEventListener("click", () => fillIndex(byName));
$("byPlace").addEventListener("click", () => fillIndex(places));
fillIndex(byName);
$("conflicts").replaceChildren(...(CONFLICTS.length ? CONFLICTS.map(([x, y, turn, line]) =>
  item(link(turn + ". forduló: (" + x + "," + y + ")", x, y), document.createElement("br"), line))
  : [item("nincs")]));
function swatch(colour) {
  const s = document.createElement("span");
  s.className = "swatch";
  s.style.background = colour;
  return s;
}
$("ages").replaceChildren(...AGES.map(([, shade, text]) => {
  const d = document.createElement("div");
  d.append(swatch(SHADE + shade + ")"), text);
  return d;
}));
const walkers = [...walks.keys()];
$("paths").replaceChildren(...(walkers.length ? walkers.map((k) => {
  const d = document.createElement("div");
  d.append(swatch(colour(k)), CHARACTERS[k] + ". karakter útja (a számok a fordulók)");
  return d;
}) : ["nincs lépés"]));
$("summary").textContent = X.length + " mező, " + places.length + " hely, " + steps.length +
  " lépés; legújabb forduló: " + NEWEST + ".";

// At first the newest step, or the newest cell, in the middle.
const last = steps.length ? steps[steps.length - 1] : null;
if (last) { cx = last.x + 0.5; cy = last.y + 0.5; }
else if (X.length) {
  const i = L.lastIndexOf(NEWEST);
  cx = X[i] + 0.5;
  cy = Y[i] + 0.5;
}
// What the view shows, for a test that drives the page.
window.atlasView = () => ({ x: cx, y: cy, scale, selected, hits: hits.length });
resize();
})();
</script>
</body>
</html>
)HTML";

// A Windows-1250 text as a JavaScript string literal of ASCII characters.
void AppendJsText(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char16_t unit = Cp1250ToUtf16Unit(byte);
    if (unit >= 0x20 && unit < 0x7F && c != '"' && c != '\\' && c != '<' && c != '>' && c != '&') {
      out += c;
    } else {
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
    }
  }
  out += '"';
}

std::string DataUri(const MonoBitmap& bitmap) {
  std::string uri = "\"data:image/bmp;base64,";
  AppendBase64(PictureBmpFile(bitmap), uri);
  return uri + "\"";
}

// The grey a tile looks from afar: its share of white pixels.
std::string Tone(const MonoBitmap& tile) {
  std::int64_t white = 0;
  for (int y = 0; y < tile.height(); ++y)
    for (int x = 0; x < tile.width(); ++x) white += tile.Get(x, y) ? 1 : 0;
  const std::int64_t pixels = std::int64_t{tile.width()} * tile.height();
  const int grey = pixels > 0 ? static_cast<int>(80 + 175 * white / pixels) : 200;
  return std::to_string(grey);
}

void AppendNumber(std::string& out, std::int64_t n) {
  out += std::to_string(n);
  out += ',';
}

// The data the script draws, as constants of one script.
std::string PageData(const AtlasWorld& world, const MapPictures& pictures) {
  std::set<AtlasNumber> characterSet;
  AtlasNumber newest = 0;
  for (const AtlasCell& c : world.cells) {
    characterSet.insert(c.character);
    newest = std::max(newest, c.lastTurn);
  }
  for (const AtlasStep& s : world.steps) characterSet.insert(s.character);
  const std::vector<AtlasNumber> characters(characterSet.begin(), characterSet.end());
  const auto characterIndex = [&](AtlasNumber c) {
    return std::lower_bound(characters.begin(), characters.end(), c) - characters.begin();
  };

  std::string out = "<script>\r\nconst TILES = [";
  for (std::size_t t = 0; t < pictures.terrain.size(); ++t) {
    if (t > 0) out += ",\r\n";
    out += DataUri(pictures.terrain[t]);
  }
  out += "];\r\nconst ARROWS = " + DataUri(pictures.arrows) +
         ";\r\nconst ICONS = " + DataUri(pictures.icons) + ";\r\nconst TONES = [";
  for (std::size_t t = 0; t < pictures.terrain.size(); ++t) {
    if (t > 0) out += ',';
    out += Tone(pictures.terrain[t]);
  }
  out += "];\r\nconst NEWEST = " + std::to_string(newest) + ";\r\nconst CHARACTERS = [";
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(characters[i]);
  }

  // Per row: y, the number of cells, then per cell x (the first one's
  // itself, the others' the step from the one before), terrain, icons,
  // first and last turn, character (its index in CHARACTERS).
  out += "];\r\nconst CELL_DATA = `\r\n";
  for (std::size_t row = 0; row < world.cells.size();) {
    std::size_t end = row;
    while (end < world.cells.size() && world.cells[end].y == world.cells[row].y) ++end;
    AppendNumber(out, world.cells[row].y);
    AppendNumber(out, static_cast<std::int64_t>(end - row));
    for (std::size_t i = row; i < end; ++i) {
      const AtlasCell& c = world.cells[i];
      AppendNumber(out, i == row ? c.x : std::int64_t{c.x} - world.cells[i - 1].x);
      AppendNumber(out, c.terrain);
      AppendNumber(out, c.icons);
      AppendNumber(out, c.firstTurn);
      AppendNumber(out, c.lastTurn);
      AppendNumber(out, characterIndex(c.character));
    }
    out += "\r\n";
    row = end;
  }
  out += "`;\r\nconst STEP_DATA = `\r\n";
  for (const AtlasStep& s : world.steps) {
    AppendNumber(out, characterIndex(s.character));
    AppendNumber(out, s.turn);
    AppendNumber(out, s.x);
    AppendNumber(out, s.y);
    AppendNumber(out, s.arrow);
    out += "\r\n";
  }
  out += "`;\r\nconst PLACES = [\r\n";
  for (const AtlasPlace& p : world.places) {
    out += '[';
    AppendNumber(out, p.x);
    AppendNumber(out, p.y);
    AppendJsText(out, p.text);
    out += "],\r\n";
  }
  out += "];\r\nconst CONFLICTS = [\r\n";
  for (const AtlasConflict& c : world.conflicts) {
    out += '[';
    AppendNumber(out, c.x);
    AppendNumber(out, c.y);
    AppendNumber(out, c.turn);
    AppendJsText(out, c.line);
    out += "],\r\n";
  }
  out += "];\r\n</script>\r\n";
  return out;
}

// The page's own text with CR LF line ends.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 30);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

std::string AtlasPageText(const AtlasWorld& world, const MapPictures& pictures) {
  return WithCrLf(kPageHead) + PageData(world, pictures) + WithCrLf(kPageScript);
}

void WriteAtlasPage(const AtlasWorld& world, const MapPictures& pictures,
                    const std::string& fileName) {
  ReplacingFile file(fileName);
  file.Write(AtlasPageText(world, pictures));
  file.Commit();
}

}  // namespace qv
