#!/usr/bin/env python3
"""Draws resources/Various/WorldMap.png: a plain equirectangular (2:1) world map whose
continents are coarse longitude/latitude polygons. Standard library only."""

import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 1024, 512
OCEAN = (38, 70, 110)
LAND = (150, 170, 120)
GRID = (58, 92, 132)

# (longitude, latitude) outlines, east positive, north positive.
CONTINENTS = [
    # North America
    [(-168, 66), (-162, 70), (-140, 70), (-125, 70), (-95, 72), (-80, 73), (-62, 66), (-55, 52),
     (-66, 45), (-70, 42), (-76, 35), (-81, 31), (-80, 25), (-84, 30), (-90, 29), (-97, 27),
     (-97, 22), (-92, 18), (-87, 21), (-88, 15), (-83, 10), (-79, 9), (-86, 12), (-92, 15),
     (-105, 20), (-110, 24), (-117, 32), (-124, 40), (-124, 48), (-131, 55), (-140, 60),
     (-150, 60), (-158, 57), (-165, 60)],
    # Greenland
    [(-55, 60), (-45, 60), (-20, 70), (-20, 80), (-35, 83), (-60, 82), (-70, 77), (-55, 70)],
    # Iceland
    [(-24, 64), (-22, 66), (-15, 66.5), (-13, 65), (-18, 63.5)],
    # South America
    [(-80, 9), (-72, 12), (-62, 11), (-50, 2), (-35, -5), (-35, -10), (-40, -22), (-48, -26),
     (-58, -35), (-65, -41), (-68, -51), (-72, -54), (-75, -50), (-73, -40), (-71, -30),
     (-70, -18), (-76, -14), (-81, -5), (-80, 0), (-77, 7)],
    # Eurasia
    [(-10, 36), (-9, 43), (-2, 44), (-5, 48), (2, 51), (8, 54), (10, 57), (5, 62), (15, 69),
     (28, 71), (40, 67), (60, 69), (70, 73), (80, 73), (100, 78), (115, 74), (140, 72),
     (160, 70), (180, 68), (180, 65), (170, 60), (163, 58), (156, 51), (143, 59), (135, 55),
     (140, 48), (132, 43), (129, 35), (122, 40), (121, 31), (117, 24), (109, 21), (106, 11),
     (100, 13), (103, 1), (98, 8), (98, 16), (94, 16), (92, 22), (87, 21), (80, 15), (77, 8),
     (73, 18), (67, 25), (57, 25), (56, 27), (52, 27), (50, 30), (48, 29), (51, 24), (56, 26),
     (59, 22), (52, 16), (43, 12), (39, 21), (35, 28), (34, 31), (36, 36), (28, 37), (27, 40),
     (24, 38), (22, 37), (19, 42), (14, 45), (16, 41), (18, 40), (12, 44), (8, 44), (3, 43),
     (-1, 37), (-5, 36)],
    # Great Britain and Ireland
    [(-5, 50), (1, 51), (0, 53), (-2, 56), (-3, 58.5), (-6, 58), (-5, 55), (-3, 54), (-4, 53),
     (-5, 52)],
    [(-10, 52), (-6, 52), (-6, 55), (-8, 55), (-10, 54)],
    # Africa and Madagascar
    [(-17, 21), (-17, 15), (-15, 11), (-8, 4), (0, 5), (9, 4), (9, -1), (12, -6), (13, -12),
     (12, -18), (15, -27), (18, -35), (25, -34), (33, -27), (36, -20), (40, -15), (40, -10),
     (39, -4), (44, 2), (51, 11), (43, 12), (38, 18), (33, 28), (32, 31), (20, 31), (10, 37),
     (-1, 36), (-6, 36), (-10, 30), (-14, 26)],
    [(44, -25), (47, -25), (50, -15), (49, -12), (44, -17)],
    # Japan, Borneo, Sumatra, New Guinea
    [(130, 31), (132, 34), (135, 34), (140, 35), (141, 38), (142, 42), (141, 45), (140, 41),
     (139, 38), (136, 37), (132, 35)],
    [(109, 2), (117, 7), (119, 1), (116, -4), (110, -3)],
    [(95, 5), (98, 4), (106, -6), (101, -3)],
    [(131, -1), (141, -2), (150, -10), (141, -9), (138, -8)],
    # Australia and New Zealand
    [(114, -22), (114, -34), (117, -35), (124, -33), (131, -31), (138, -35), (141, -38),
     (147, -39), (150, -37), (153, -28), (153, -25), (146, -19), (145, -15), (142, -11),
     (141, -17), (136, -12), (132, -11), (129, -15), (123, -17)],
    [(172, -34), (178, -38), (175, -41), (171, -46), (167, -46), (172, -41)],
    # Antarctica
    [(-180, -90), (180, -90), (180, -70), (90, -66), (0, -70), (-60, -65), (-90, -72),
     (-180, -78)],
]


def to_pixel(lon, lat):
    return (lon + 180.0) / 360.0 * WIDTH, (90.0 - lat) / 180.0 * HEIGHT


def fill(image, outline):
    points = [to_pixel(lon, lat) for lon, lat in outline]
    for row in range(HEIGHT):
        y = row + 0.5
        crossings = []
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 <= y < y1) or (y1 <= y < y0):
                crossings.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
        crossings.sort()
        for left, right in zip(crossings[0::2], crossings[1::2]):
            for column in range(max(0, round(left)), min(WIDTH, round(right))):
                image[row][column] = LAND


def graticule(image):
    for lon in range(-180, 180, 30):
        column = int(to_pixel(lon, 0)[0])
        for row in range(HEIGHT):
            image[row][column] = GRID
    for lat in range(-60, 90, 30):
        image[int(to_pixel(0, lat)[1])] = [GRID] * WIDTH


def write_png(path, image):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in image)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    image = [[OCEAN] * WIDTH for _ in range(HEIGHT)]
    graticule(image)
    for outline in CONTINENTS:
        fill(image, outline)
    write_png(Path(__file__).resolve().parent / "resources" / "Various" / "WorldMap.png", image)


if __name__ == "__main__":
    main()
