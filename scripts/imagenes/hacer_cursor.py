#!/usr/bin/env python3
"""Writes images/a.cur, the pointer shown over the output lamps of the
trending window: a pointing hand, 32x32, 32-bit colour with alpha plus the
1-bit AND mask, hotspot at the tip of the index finger.

Standard library only.  Usage: hacer_cursor.py [salida.cur]
"""
import struct
import sys
from pathlib import Path

LADO = 32
# X outline, o fill, anything else transparent.  Row 0 is the top.
DIBUJO = [
    "......XX",
    ".....XooX",
    ".....XooX",
    ".....XooX",
    ".....XooX",
    ".....XooXXX",
    ".....XooXooXXX",
    ".....XooXooXooXXX",
    ".....XooXooXooXooX",
    ".XX..XooXooXooXooX",
    ".XooXXooXooXooXooX",
    ".XoooXoooooooooooX",
    "..XooooooooooooooX",
    "...XoooooooooooooX",
    "...XoooooooooooooX",
    "....XooooooooooooX",
    "....XoooooooooooX",
    ".....XooooooooooX",
    ".....XooooooooooX",
    "......XooooooooX",
    "......XooooooooX",
    "......XXXXXXXXXX",
]
PUNTA = (6, 0)  # hotspot: top of the index finger

COLORES = {"X": (0x26, 0x32, 0x38, 0xFF), "o": (0xFF, 0xFF, 0xFF, 0xFF)}


def pixeles():
    """Rows of RGBA tuples, top row first."""
    filas = []
    for y in range(LADO):
        texto = DIBUJO[y] if y < len(DIBUJO) else ""
        filas.append([COLORES.get(texto[x] if x < len(texto) else ".", (0, 0, 0, 0))
                      for x in range(LADO)])
    return filas


def cursor():
    filas = pixeles()
    # The bitmap rows are stored bottom-up, colour as BGRA.
    color = b"".join(bytes((b, g, r, a)) for fila in reversed(filas) for (r, g, b, a) in fila)
    # AND mask: 1 = transparent; rows padded to 32 bits (32 px = 4 bytes exactly).
    mascara = bytearray()
    for fila in reversed(filas):
        bits = 0
        for x, (_, _, _, a) in enumerate(fila):
            if a == 0:
                bits |= 1 << (31 - x)
        mascara += struct.pack(">I", bits)
    cabecera = struct.pack("<IiiHHIIiiII", 40, LADO, LADO * 2, 1, 32, 0,
                           len(color) + len(mascara), 0, 0, 0, 0)
    imagen = cabecera + color + bytes(mascara)
    directorio = struct.pack("<HHH", 0, 2, 1)  # reserved, type 2 = cursor, one image
    entrada = struct.pack("<BBBBHHII", LADO, LADO, 0, 0, PUNTA[0], PUNTA[1],
                          len(imagen), 6 + 16)
    return directorio + entrada + imagen


def main():
    salida = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[2] / "images" / "a.cur"
    try:
        salida.write_bytes(cursor())
    except OSError as error:
        sys.exit(f"no se pudo escribir {salida}: {error}")
    print(f"{salida}: {LADO}x{LADO}, punta en {PUNTA}")


if __name__ == "__main__":
    main()
