#!/usr/bin/env python3
"""Writes the help pictures of KALO (HP-GL plot files) and their index kalo.dbh into data/.

The pictures are drawn into a window of 160 x 120 mm; coordinates here are millimetres,
written as plotter units of 0.025 mm. Labels use character set 3, in which "}" after a
vowel makes it an umlaut; other special characters are written in code page 850.
Run it after changing a picture: python3 tools/make_help_pictures.py
"""
import math
import pathlib

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"
UNITS_PER_MM = 40
UMLAUTS = {"ä": "a}", "ö": "o}", "ü": "u}", "Ä": "A}", "Ö": "O}", "Ü": "U}"}

# Pens and what they show: 1 red contours, 2 yellow dimensions, 3 green results,
# 4 cyan texts, 5 blue axes, 6 magenta arcs and angles, 7 white frames.
CONTOUR, DIMENSION, RESULT, TEXT, AXIS, ANGLE, FRAME = range(1, 8)


def units(mm):
    return str(round(mm * UNITS_PER_MM))


def encode(value, eight_bit):
    """One number of an encoded polyline, least significant digit first."""
    n = 2 * value if value >= 0 else 2 * -value + 1
    base, terminator = (64, 191) if eight_bit else (32, 95)
    digits = bytearray()
    while True:
        digit, n = n % base, n // base
        if n == 0:
            digits.append(terminator + digit)
            return bytes(digits)
        digits.append(63 + digit)


class Picture:
    def __init__(self, name, information):
        self.name = name
        self.information = information
        self.out = bytearray(b"IN;SP7;CS3;DI1,0;SI0.15,0.25;")
        self.position = (0.0, 0.0)

    def put(self, text):
        self.out += text.encode("ascii") if isinstance(text, str) else text

    def pen(self, pen):
        self.put(f"SP{pen};")

    def move(self, x, y):
        self.put(f"PU{units(x)},{units(y)};")
        self.position = (x, y)

    def line(self, *points):
        self.move(*points[0])
        self.put("PD" + ",".join(f"{units(x)},{units(y)}" for x, y in points[1:]) + ";PU;")
        self.position = points[-1]

    def rectangle(self, x1, y1, x2, y2):
        self.line((x1, y1), (x2, y1), (x2, y2), (x1, y2), (x1, y1))

    def dashed(self, x1, y1, x2, y2, dash=3.0, gap=1.5):
        """A dash-dot line of encoded polyline steps, as axes are drawn."""
        length = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        self.move(x1, y1)
        steps, done = bytearray(b"PE"), 0.0
        while done < length:
            for size, up in ((dash, False), (gap, True), (0.3, False), (gap, True)):
                size = min(size, length - done)
                if size <= 0:
                    break
                dx, dy = round(ux * size * UNITS_PER_MM), round(uy * size * UNITS_PER_MM)
                steps += (b"<" if up else b"") + encode(dx, True) + encode(dy, True)
                done += size
        self.put(steps + b";PU;")

    def polyline7(self, points):
        """An outline as a 7-bit encoded polyline from its first point."""
        self.move(*points[0])
        steps, (px, py) = bytearray(b"PE7"), points[0]
        for x, y in points[1:]:
            dx, dy = round((x - px) * UNITS_PER_MM), round((y - py) * UNITS_PER_MM)
            steps += encode(dx, False) + encode(dy, False)
            px, py = px + dx / UNITS_PER_MM, py + dy / UNITS_PER_MM
        self.put(steps + b";PU;")

    def arc(self, cx, cy, start_x, start_y, sweep):
        self.move(start_x, start_y)
        self.put(f"PD;AA{units(cx)},{units(cy)},{sweep:g};PU;")

    def circle(self, x, y, r):
        self.move(x, y)
        self.put(f"CI{units(r)};")

    def arrow(self, x1, y1, x2, y2, head=2.0):
        self.line((x1, y1), (x2, y2))
        angle = math.atan2(y2 - y1, x2 - x1)
        for side in (0.4, -0.4):
            self.line((x2, y2), (x2 - head * math.cos(angle + side), y2 - head * math.sin(angle + side)))

    def text(self, x, y, text, height=2.5, direction=(1, 0)):
        for letter, coded in UMLAUTS.items():
            text = text.replace(letter, coded)
        self.move(x, y)
        self.put(f"SI{height * 0.06:.3f},{height / 10:.3f};DI{direction[0]},{direction[1]};")
        self.put(b"LB" + text.encode("cp850") + b"\x03")

    def title(self, text):
        self.pen(FRAME)
        self.rectangle(0.5, 0.5, 159.5, 119.5)
        self.pen(TEXT)
        self.text(5, 112, text, 4)

    def notes(self, bottom, *lines):
        """Explanations in lines of 3 mm type, the last one at the bottom."""
        self.pen(TEXT)
        for row, line in enumerate(reversed(lines)):
            self.text(5, bottom + row * 5, line, 3)

    def point(self, x, y, label, dx=1.5, dy=1.5):
        self.circle(x, y, 0.8)
        self.text(x + dx, y + dy, label)

    def axes(self, x0, y0, length_x, length_y, names=("x", "y")):
        self.pen(AXIS)
        self.arrow(x0, y0, x0 + length_x, y0)
        self.arrow(x0, y0, x0, y0 + length_y)
        self.text(x0 + length_x - 3, y0 - 5, names[0])
        self.text(x0 - 5, y0 + length_y - 3, names[1])

    def save(self):
        (DATA / f"{self.name}.plt").write_bytes(bytes(self.out) + b"PU;SP0;\r\n")


def contour_sample(p, x0, y0, scale=1.0):
    """A small stepped shaft half-section: points and arc angles of its elements."""
    points = [(0, 0), (0, 12), (20, 12), (20, 20), (45, 20), (45, 8), (60, 8), (60, 0)]
    return [(x0 + x * scale, y0 + y * scale) for x, y in points]


def hatch_segments(polygon, degrees, spacing):
    """The parts of parallel lines at the angle that lie inside the closed polygon."""
    a = math.radians(degrees)
    ux, uy = math.cos(a), math.sin(a)  # along the lines
    nx, ny = -uy, ux                   # across them
    offsets = [x * nx + y * ny for x, y in polygon]
    segments = []
    c = min(offsets) + spacing / 2
    while c < max(offsets):
        cuts = []
        for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
            d1, d2 = x1 * nx + y1 * ny - c, x2 * nx + y2 * ny - c
            if (d1 < 0) != (d2 < 0):
                t = d1 / (d1 - d2)
                x, y = x1 + t * (x2 - x1), y1 + t * (y2 - y1)
                cuts.append((x * ux + y * uy, (x, y)))
        cuts.sort()
        segments += [(cuts[i][1], cuts[i + 1][1]) for i in range(0, len(cuts) - 1, 2)]
        c += spacing
    return segments


def outline(p, points, pen=CONTOUR):
    p.pen(pen)
    p.polyline7(points + [points[0]])


def kontur():
    p = Picture("KONTUR", "Konturelement, Bogenwinkel und Vorzeichen")
    p.title("Konturelement: Punkt i und Bogenwinkel phi(i) zum Punkt i+1")
    p.pen(AXIS)
    p.dashed(5, 25, 150, 25)
    p.text(140, 20, "Drehachse x")
    # Counter-clockwise, as the program wants it: along the axis, up, and back over the top.
    pts = [(20, 25), (130, 25), (130, 45), (95, 45), (55, 45), (20, 45)]
    p.pen(CONTOUR)
    p.line(pts[0], pts[1], pts[2], pts[3])
    p.pen(ANGLE)
    p.arc(75, 45, 95, 45, 180)  # P4 to P5 over the top: counter-clockwise
    p.arc(37.5, 45, 55, 45, -180)  # P5 to P6 below: clockwise, a groove
    p.pen(TEXT)
    offsets = [(-6, 2), (1.5, -5), (1.5, 2), (1.5, -5), (1.5, 2), (-6, 2)]
    for number, ((x, y), (dx, dy)) in enumerate(zip(pts, offsets), start=1):
        p.point(x, y, f"P{number}", dx, dy)
    p.pen(ANGLE)
    p.text(58, 70, "phi(4) = +180 Grad", 2.5)
    p.text(58, 66, "gegen den Uhrzeigersinn", 2.5)
    p.text(24, 56, "phi(5) = -180 Grad", 2.5)
    p.text(24, 52, "Bogen im Uhrzeigersinn", 2.5)
    p.pen(TEXT)
    p.text(60, 27, "phi(1) = 0: Gerade", 2.5)
    p.arrow(70, 21, 90, 21)
    p.notes(4,
            "Umlauf gegen den Uhrzeigersinn; phi(i) gehört zum Segment von Punkt i nach i+1.",
            "phi > 0: Bogen links herum (gegen den Uhrzeigersinn), phi < 0: rechts herum.",
            "Der letzte Punkt wird mit dem ersten verbunden; alle Punkte mit y >= 0.")
    p.pen(DIMENSION)
    p.line(pts[5], pts[0])
    p.text(5, 35, "Schluss-", 2.5)
    p.text(5, 31, "linie", 2.5)
    return p


def koord():
    p = Picture("KOORD", "Koordinatenformular eines Konturpunkts")
    p.title("Koordinaten n: Punkt n und Bogen zum Punkt n+1")
    p.pen(FRAME)
    p.rectangle(5, 30, 75, 100)
    p.pen(TEXT)
    p.text(8, 94, "Koordinaten n", 3)
    for row, (label, unit) in enumerate([("X n", "mm"), ("Y n", "mm"), ("Kreisbogenwinkel n-(n+1)", "Grad")]):
        y = 82 - row * 12
        p.text(8, y + 5, label)
        p.pen(FRAME)
        p.rectangle(8, y - 1, 58, y + 4)
        p.pen(TEXT)
        p.text(61, y, unit)
    for column, caption in enumerate(["OK", "Abbrechen", "mm<->inch"]):
        p.pen(FRAME)
        p.rectangle(8 + column * 22, 36, 27 + column * 22, 43)
        p.pen(TEXT)
        p.text(10 + column * 22, 38, caption, 2.2)
    p.axes(90, 35, 65, 60)
    p.pen(CONTOUR)
    p.point(105, 55, "Punkt n (x, y)")
    p.pen(ANGLE)
    p.arc(122.5, 37.5, 105, 55, -90)
    p.text(112, 76, "Kreisbogenwinkel n-(n+1)", 2.2)
    p.text(112, 72, "hier -90 Grad", 2.2)
    p.pen(CONTOUR)
    p.point(140, 55, "n+1", 1.5, -5)
    p.pen(DIMENSION)
    p.line((105, 55), (105, 35))
    p.line((90, 55), (105, 55))
    p.text(96, 57, "x")
    p.text(106, 42, "y")
    p.notes(10,
            "Die Pfeiltasten blättern zum vorigen oder nächsten Punkt und",
            "übernehmen dabei die eingegebenen Werte. Ein neuer Punkt beginnt",
            "auf seinem Vorgänger; Winkel 0 = Gerade zum nächsten Punkt.")
    return p


def transformation(name, information, heading, moved, notes, extra=None):
    p = Picture(name, information)
    p.title(heading)
    p.axes(70, 40, 85, 65)
    original = contour_sample(p, 75, 42, 0.9)
    p.pen(DIMENSION)
    p.polyline7(original + [original[0]])
    p.text(76, 36, "vorher", 2.5)
    outline(p, [moved(x, y) for x, y in original])
    if extra:
        extra(p)
    p.pen(TEXT)
    for row, note in enumerate(notes):
        p.text(5, 95 - row * 6, note, 3)
    return p


def rotate_about(x0, y0, degrees):
    a = math.radians(degrees)

    def moved(x, y):
        u, v = x - x0, y - y0
        return x0 + u * math.cos(a) - v * math.sin(a), y0 + v * math.cos(a) + u * math.sin(a)

    return moved


def drehen():
    def angle_mark(p):
        p.pen(ANGLE)
        p.arc(70, 40, 100, 40, 30)
        p.text(102, 50, "+30 Grad", 2.5)

    return transformation("DREHEN", "Transformation: Drehen um den Nullpunkt", "Drehwinkel: Drehung um den Nullpunkt",
                          rotate_about(70, 40, 30),
                          ["Positiver Winkel:", "gegen den", "Uhrzeigersinn.", "Bereich -360 bis", "360 Grad.",
                           "0 = nicht drehen."], angle_mark)


def verschie():
    def shift_arrows(p):
        p.pen(DIMENSION)
        p.arrow(75, 42, 95, 42)
        p.arrow(95, 42, 95, 52)
        p.text(83, 44, "dx")
        p.text(96, 46, "dy")

    return transformation("VERSCHIE", "Transformation: Verschieben in x und y", "Verschiebung x und y",
                          lambda x, y: (x + 20, y + 10),
                          ["Verschiebung x", "und y in mm oder", "inch (aktuelle", "Einheit); 0 =", "nicht verschieben.",
                           "Nach dem Drehen."], shift_arrows)


def skalier():
    return transformation("SKALIER", "Transformation: Maßstab in x und y", "Maßstab x und y",
                          lambda x, y: (70 + (x - 70) * 1.4, 40 + (y - 40) * 1.4),
                          ["Faktor je Achse,", "1 = unverändert;", "hier x und y 1,4.", "Bogenwinkel", "bleiben gleich:",
                           "Bögen nur mit", "gleichem Faktor."])


def spiegeln():
    p = Picture("SPIEGELN", "Transformation: Spiegeln und Vorzeichen")
    p.title("Spiegeln: x wird -x oder y wird -y")
    p.pen(AXIS)
    p.dashed(80, 8, 80, 105)
    p.dashed(5, 55, 155, 55)
    p.text(82, 100, "y")
    p.text(150, 50, "x")
    original = [(85 + x * 0.8, 57 + y * 0.8) for x, y in [(0, 0), (0, 12), (20, 12), (20, 20), (45, 20), (45, 0)]]
    outline(p, original)
    p.pen(DIMENSION)
    p.polyline7([(160 - x, y) for x, y in original] + [(160 - original[0][0], original[0][1])])
    p.polyline7([(x, 110 - y) for x, y in original] + [(original[0][0], 110 - original[0][1])])
    p.pen(TEXT)
    p.text(100, 80, "Ausgangskontur", 2.5)
    p.text(10, 80, "Achse x: x wird -x", 2.5)
    p.text(100, 30, "Achse y: y wird -y", 2.5)
    p.notes(4,
            "Beim Spiegeln wechseln alle Bogenwinkel ihr Vorzeichen, damit die Bögen",
            "dieselbe Seite behalten. Nach dem Spiegeln um y liegen die Punkte unter der",
            "Drehachse: die Kontur danach wieder nach oben verschieben.")
    return p


def umkehr():
    p = Picture("UMKEHR", "Transformation: Richtungssinn umkehren")
    p.title("Richtungssinn umkehren: Punkte in umgekehrter Reihenfolge")
    for x0, labels, clockwise in ((10, "1234", False), (90, "4321", True)):
        pts = [(x0, 40), (x0 + 50, 40), (x0 + 50, 80), (x0, 80)]
        outline(p, pts)
        p.pen(TEXT)
        for (x, y), label in zip(pts, labels):
            p.point(x, y, label, -4 if x == x0 else 1.5, -4 if y == 40 else 1.5)
        p.pen(ANGLE)
        start, sweep = ((x0 + 35, 60), -270) if clockwise else ((x0 + 35, 60), 270)
        p.arc(x0 + 25, 60, *start, sweep)
        p.text(x0 + 5, 30, "im Uhrzeigersinn" if clockwise else "gegen den Uhrzeigersinn", 2.5)
    p.notes(6,
            "Die Kontur bleibt, wo sie ist; der letzte Punkt wird der erste. Jeder Bogen",
            "behält seinen Verlauf, sein Winkel wechselt das Vorzeichen und wandert an",
            "den neuen Anfangspunkt seines Segments.")
    return p


def cadziel():
    p = Picture("CADZIEL", "Ausgabeziel einer Ansicht (CAD-Code)")
    p.title("CAD-Code: wohin die Ansicht gezeichnet wird")
    p.pen(FRAME)
    p.rectangle(5, 50, 35, 70)
    p.pen(TEXT)
    p.text(8, 58, "Ansicht", 3)
    targets = [("1  DXF", "Datei .dxf für CAD-Programme"), ("2  IGES", "Datei .igs, Zeichnungsformat IGES"),
               ("3  Bildschirm", "Kontrollausgabe im Grafikfenster"), ("4  PENPLOT", "penplot.dxf, dann Plotprogramm"),
               ("5  TXT", "Textdatei mit Koordinaten, Tabulator")]
    for row, (code, meaning) in enumerate(targets):
        y = 95 - row * 17
        p.pen(DIMENSION)
        p.arrow(35, 60, 55, y + 4)
        p.pen(FRAME)
        p.rectangle(55, y, 95, y + 9)
        p.pen(RESULT)
        p.text(58, y + 3, code, 3)
        p.pen(TEXT)
        p.text(98, y + 3, meaning, 2.3)
    p.text(5, 6, "Dateien gehen in den CAD-Ordner; Abbrechen schreibt nichts.", 3)
    return p


def zeichng():
    p = Picture("ZEICHNG", "Zeichnungsblatt mit Rahmen und Schriftfeld")
    p.title("Formblatt: Rahmen, Schriftfeld, Konturbild, Ergebnisse")
    p.pen(FRAME)
    p.rectangle(20, 5, 140, 100)
    p.rectangle(25, 8, 135, 97)
    # The title block in the lower right corner.
    p.rectangle(75, 8, 135, 30)
    for y in (13.5, 19, 24.5):
        p.line((75, y), (135, y))
    p.line((95, 8), (95, 30))
    p.pen(TEXT)
    for y, (left, right) in zip((9.5, 15, 20.5, 26), (("Datum", "Name"), ("Gepr.", "Norm"),
                                                   ("Zeichnungs-Nr.", "Blatt"), ("Benennung", "Maßstab"))):
        p.text(76, y, left, 1.8)
        p.text(97, y, right, 1.8)
    # The contour diagram and the results table.
    p.pen(AXIS)
    p.dashed(30, 60, 130, 60)
    outline(p, contour_sample(p, 40, 60, 1.2))
    p.pen(RESULT)
    p.rectangle(28, 33, 72, 55)
    for row, caption in enumerate(["Fläche A", "Volumen V", "Masse m", "Trägheitsm. J"]):
        p.text(30, 50 - row * 5, caption, 1.8)
    p.pen(TEXT)
    p.text(96, 52, "Konturbild", 2.2)
    p.text(29, 28, "Ergebnistabelle", 2.2)
    p.text(100, 32, "Schriftfeld", 2.2)
    p.text(20, 103, "Die Texte des Schriftfelds kommen aus Bearbeiten, Text.", 2.5)
    return p


def schraff():
    p = Picture("SCHRAFF", "Schraffur: Winkel und Abstand der Linien")
    p.title("Schraffur des Schnitts: Winkel und Abstand")
    points = contour_sample(p, 20, 35, 1.6)
    outline(p, points)
    p.pen(AXIS)
    p.dashed(10, 35, 130, 35)
    p.pen(DIMENSION)
    p.move(20, 35)
    steps, position = bytearray(), (20.0, 35.0)
    for start, end in hatch_segments(points, 45, 8.0):
        for target, up in ((start, True), (end, False)):
            dx = round((target[0] - position[0]) * UNITS_PER_MM)
            dy = round((target[1] - position[1]) * UNITS_PER_MM)
            steps += (b"<" if up else b"") + encode(dx, True) + encode(dy, True)
            position = (position[0] + dx / UNITS_PER_MM, position[1] + dy / UNITS_PER_MM)
    p.put(b"PE" + bytes(steps) + b";PU;")
    p.pen(DIMENSION)
    p.arrow(96, 58, 101.66, 52.34, 1.5)
    p.text(101, 57, "Abstand", 2.5)
    p.pen(ANGLE)
    p.arc(60, 35, 70, 35, 45)
    p.text(71, 38, "45 Grad", 2.5)
    p.notes(5,
            "Die Ansichten schraffieren unter 45 Grad; Abstand 0 heißt: zehn Abstände über",
            "die Breite des Schraffurbereichs. Modus 1 zeichnet Umriss (Layer 5) und",
            "Schraffur (Layer 3), Modus 2 nur die Schraffur. Höchstens 2000 Punkte,",
            "höchstens zehn Schnittpunkte je Schraffurlinie.")
    return p


def ansicht():
    p = Picture("ANSICHT", "Auswahl der Ansicht")
    p.title("Ansichten der Kontur")
    views = ["1 Geometrie mit Tabelle", "2 Geometrie 1", "3 Tabelle", "4 Geometrie 2", "5 Formblatt", "6 Polylinie"]
    for index, caption in enumerate(views):
        x, y = 8 + (index % 3) * 50, 60 - (index // 3) * 45
        p.pen(FRAME)
        p.rectangle(x, y, x + 45, y + 35)
        if index != 2:
            outline(p, contour_sample(p, x + 5, y + 10, 0.55))
        if index in (0, 2, 4):
            p.pen(RESULT)
            p.rectangle(x + 25 if index != 2 else x + 5, y + 3, x + 42, y + 30 if index == 2 else y + 9)
        p.pen(TEXT)
        p.text(x + 1, y - 4, caption, 2.5)
    return p


PICTURES = [kontur, koord, drehen, verschie, skalier, spiegeln, umkehr, cadziel, zeichng, schraff, ansicht]


def main():
    index = bytearray()
    for make in PICTURES:
        picture = make()
        picture.save()
        index += f'"{picture.name}","{picture.information}"\r\n'.encode("cp850")
    (DATA / "kalo.dbh").write_bytes(bytes(index))


if __name__ == "__main__":
    main()
