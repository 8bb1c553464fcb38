#!/usr/bin/env python3
"""Writes the hand-made seed inputs of every fuzz target into fuzz/corpus/<target>/seed-*.

Inputs the fuzzer found (regressions) live beside them as regression-* and are not made here.
Run from anywhere: python3 fuzz/make_seeds.py
"""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
MIN32, MAX32 = -2**31, 2**31 - 1
FIELD = (16, 10)
START = [(1121, 119, 57, 57), (1123, 215, 57, 57), (1095, 312, 26, 57),
         (1125, 312, 26, 57), (1154, 312, 26, 57), (1183, 312, 26, 57)]


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


def i32(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def whole_number():
    texts = ["0", "42", "  42", "+7", "-0", "-2147483648", "2147483647", "2147483648",
             "-2147483649", "$FFFFFFFF", "$100000000", "0x1f", "0X7FFFFFFF", "x10", "X",
             "0x", "$", "", " ", "-", "12a", "1 ", "0001", "1.5e3", " 3.25 ", ".5", "5.",
             "1e400", "1e-400", "nan", "inf", "-1.7976931348623157e308", "1,5", "٣"]
    for n, t in enumerate(texts):
        write("whole_number", f"{n:02d}", t)


def factor_file():
    files = {
        "crlf": "200\r\n50\r\n980\r\n",
        "series": "-200\n50\n1e-6\n",
        "empty": "",
        "blank-lines": "\n\n\n",
        "bad-first": "abc\n",
        "negative-step": "10\n-5\n",
        "comma": "10\n5\n1,5\n",
        "cr-only": "0x10\r$20\r1e3",
        "bom": "\ufeff200\n",
        "long-line": "1" * 300 + "\n",
        "accents": "tíz\nötven\n",
        "extra-lines": "1\n2\n3\n4\n5\n",
        "nul": "20\x000\n",
        "extremes": "-2147483648\n2147483647\n-1.7976931348623157e308\n",
    }
    for name, content in files.items():
        write("factor_file", name, content)


def geometry_file():
    places = [v for (l, t, _, _) in START for v in (l, t)]
    write("geometry_file", "start-places", i32(*places))
    write("geometry_file", "on-field", i32(486, 160, 616, 160, 466, 100, 466, 230,
                                           900, 50, 900, 250))
    write("geometry_file", "empty", b"")
    write("geometry_file", "47-bytes", i32(*places)[:47])
    write("geometry_file", "100-bytes", i32(*places) + b"\xee" * 52)
    write("geometry_file", "extremes", i32(*([MIN32, MAX32] * 6)))
    write("geometry_file", "all-ff", b"\xff" * 48)


def message_lines():
    texts = ["", "\r", "\r\r", "a\rb", "Kiegyensúlyozatlan a rotor!\r    Automatikus leállás!",
             "\r\n", "x\n", "A faktor.txt fájl nem olvasható:\r/tmp/faktor.txt",
             "        Visszateszed a helyére?"]
    for n, t in enumerate(texts):
        write("message_lines", f"{n:02d}", t)


def item(l, t, w, h, tag):
    return i32(l, t, w, h, tag)


def component_collides():
    def case(name, x, y, which, present=0x3F, px=0, py=0, over=0, field=FIELD, items=None):
        items = items or [(l, t, w, h, i + 1) for i, (l, t, w, h) in enumerate(START)]
        data = b"".join(item(*it) for it in items) + bytes([present])
        data += item(field[0], field[1], 1064, 377, 0) + i32(x, y) + bytes([which])
        data += item(0, 0, 57, 57, 7) + i32(px, py) + bytes([over])
        write("component_collides", name, data)

    on_field = [(486, 160, 57, 57, 1), (616, 160, 57, 57, 2)] + \
               [(l, t, w, h, i + 3) for i, (l, t, w, h) in enumerate(START[2:])]
    case("free", 600, 100, 0, px=600, py=100)
    case("overlap", 470, 150, 1, items=on_field, px=470, py=150)
    case("shared-edge", 527, 150, 1, items=on_field, px=527, py=150)
    case("right-limit", 1019, 0, 0, px=1019, py=0)
    case("over-itself", 0, 0, 0, px=10, py=10, over=1, items=on_field)
    case("extremes", MAX32, MIN32, 2, px=MIN32, py=MAX32, over=1,
         items=[(MIN32, MAX32, MAX32, MAX32, i + 1) for i in range(6)], field=(MAX32, MIN32))
    case("stranger", 500, 100, 6, present=0x15, px=500, py=100)


def evaluate_apparatus():
    def case(name, places, tags=(1, 9), placed=0b11, speed=1400, factor=200, mode=0,
             field=None, sizes=None, seed=0, counter=0):
        data = bytes([mode])
        if mode & 2:
            data += i32(*(field or FIELD))
        for i, (x, y) in enumerate(places):
            data += i32(x, y)
            if mode & 1:
                data += i32(*(sizes[i] if sizes else START[i][2:]))
        data += i32(*tags) + bytes([placed]) + i32(speed, factor, seed, counter)
        write("evaluate_apparatus", name, data)

    def panel(x, y):
        return (FIELD[0] + x, FIELD[1] + y)

    bins = [(l, t) for (l, t, _, _) in START]
    field = [panel(470, 150), panel(600, 150)] + bins[2:]
    shields = [panel(470, 150), panel(600, 150), panel(450, 104), panel(450, 218),
               panel(450, 47), panel(450, 275)]
    case("target-and-detector", field)
    case("shields-drive-on", shields, placed=0b111111, mode=4)
    case("detector-only", [bins[0], panel(600, 150)] + bins[2:], placed=0b10)
    case("no-source", field, tags=(0, 0))
    case("no-detector", field, placed=0b01)
    case("one-source-exact", field, tags=(5, 0), factor=-200)
    case("left-of-rotor", [panel(0, 0), panel(10, 200)] + bins[2:], speed=2000)
    case("extremes", [(MIN32, MAX32)] * 6, tags=(MIN32, MAX32), placed=0x3F,
         speed=MAX32, factor=MIN32, mode=7, field=(MAX32, MIN32),
         sizes=[(MAX32, MIN32)] * 6)
    case("zero-sizes", field, mode=1, sizes=[(0, 0)] * 6)
    case("huge-factor", field, factor=MAX32, counter=MAX32 - 5)
    # Every component huge and centred on the rotor: each sweep band is about pi wide, the
    # slowest evaluation there is.
    centre = [(FIELD[0] + 200 - 50000, FIELD[1] + 190 - 50000)] * 6
    case("widest-bands", centre, placed=0x3F, mode=5, sizes=[(100000, 100000)] * 6,
         speed=1400)


whole_number()
factor_file()
geometry_file()
message_lines()
component_collides()
evaluate_apparatus()
