#!/usr/bin/env python3
# Draws the sample style sheets' images into styles/<scale>x/ at the three scales the library
# has image sets for, each on its own pixel grid so that it stays sharp: the check-box tick, the
# drop-down arrow and the title-bar glyphs (minimise, maximise, restore, close), the arrow and the
# glyphs once per sheet. SVG drawn here, rasterised by rsvg-convert (Debian: librsvg2-bin).
import os
import subprocess

SCALES = {"1": 1.0, "1.25": 1.25, "1.5": 1.5}
# Glyph colour per sheet: on the dark title bars of both, and the arrow on each sheet's fields.
GLYPH = {"light": "#ffffff", "dark": "#d5dcdf"}
ARROW = {"light": "#5b6870", "dark": "#aeb8bd"}


def glyph(name, n, w):
    """The shape of one image, n pixels square, strokes w pixels wide on the pixel grid."""
    h = w / 2  # a stroke centred on a pixel row or column
    lo, hi = 1 + h, n - 1 - h
    if name == "minimize":
        y = n // 2 + h
        return f'<path d="M1 {y}H{n - 1}"/>'
    if name == "maximize":
        return f'<rect x="{lo}" y="{lo}" width="{hi - lo}" height="{hi - lo}"/>'
    if name == "restore":
        o = round(n * 0.25)
        return (f'<rect x="{lo}" y="{lo + o}" width="{hi - lo - o}" height="{hi - lo - o}"/>'
                f'<path d="M{lo + o} {lo + o}V{lo}H{hi}V{hi - o}H{hi - o}"/>')
    if name == "close":
        return f'<path d="M1 1L{n - 1} {n - 1}M{n - 1} 1L1 {n - 1}"/>'
    if name == "check":
        return f'<path d="M{n * 0.15} {n * 0.52}L{n * 0.4} {n * 0.76}L{n * 0.86} {n * 0.26}"/>'
    if name == "arrow-down":  # filled
        top, bottom = round(n * 0.3), round(n * 0.72)
        return f'<path stroke="none" d="M0 {top}H{n}L{n / 2} {bottom}Z"/>'
    raise ValueError(name)


def draw(path, name, n, w, colour):
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{n}" height="{n}" '
           f'viewBox="0 0 {n} {n}" fill="none" stroke="{colour}" stroke-width="{w}" '
           f'stroke-linecap="square"><g fill="{colour if name == "arrow-down" else "none"}">'
           f'{glyph(name, n, w)}</g></svg>')
    subprocess.run(["rsvg-convert", "-w", str(n), "-h", str(n), "-o", path],
                   input=svg.encode(), check=True)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "styles")
    for label, scale in SCALES.items():
        folder = os.path.join(root, label + "x")
        os.makedirs(folder, exist_ok=True)
        n = int(10 * scale)  # the sheets give each image 10 px at scale 1
        w = max(1, round(scale))
        draw(os.path.join(folder, "check.png"), "check", n, w * 1.5, "#ffffff")
        for sheet in ("light", "dark"):
            draw(os.path.join(folder, f"arrow-down-{sheet}.png"), "arrow-down", n, w,
                 ARROW[sheet])
            for name in ("minimize", "maximize", "restore", "close"):
                draw(os.path.join(folder, f"{name}-{sheet}.png"), name, n, w, GLYPH[sheet])


if __name__ == "__main__":
    main()
