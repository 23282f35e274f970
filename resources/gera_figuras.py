#!/usr/bin/env python3
"""Draws the installation pictures (24-bit BMP): the tab flag and the covers;
and the program's icon (PNG with alpha) at the usual hicolor sizes."""
import math
import os
import struct
import sys
import zlib


def grava_bmp(caminho, largura, altura, pixel):
    linha = (largura * 3 + 3) & ~3
    dados = bytearray()
    for y in range(altura - 1, -1, -1):
        for x in range(largura):
            r, g, b = pixel(x, y)
            dados += bytes((b, g, r))
        dados += b"\0" * (linha - largura * 3)
    cab = struct.pack("<2sIHHI", b"BM", 54 + len(dados), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, largura, altura, 1, 24, 0, len(dados), 2835, 2835, 0, 0)
    with open(caminho, "wb") as f:
        f.write(cab + info + dados)


def grava_png(caminho, lado, pixel):
    """pixel(x, y) gives (r, g, b, a) for a point of the unit square."""
    amostras = 4
    linhas = bytearray()
    for y in range(lado):
        linhas.append(0)
        for x in range(lado):
            soma = [0, 0, 0, 0]
            for j in range(amostras):
                for i in range(amostras):
                    r, g, b, a = pixel((x + (i + 0.5) / amostras) / lado,
                                       (y + (j + 0.5) / amostras) / lado)
                    soma[0] += r * a
                    soma[1] += g * a
                    soma[2] += b * a
                    soma[3] += a
            alfa = soma[3] / (amostras * amostras)
            cor = [round(c / soma[3]) if soma[3] else 0 for c in soma[:3]]
            linhas += bytes(cor + [round(alfa)])

    def bloco(tipo, dados):
        return (struct.pack(">I", len(dados)) + tipo + dados
                + struct.pack(">I", zlib.crc32(tipo + dados) & 0xFFFFFFFF))

    cab = struct.pack(">IIBBBBB", lado, lado, 8, 6, 0, 0, 0)
    with open(caminho, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + bloco(b"IHDR", cab)
                + bloco(b"IDAT", zlib.compress(bytes(linhas), 9)) + bloco(b"IEND", b""))


def icone(x, y):
    """A roster sheet on a green tile: a red band (weekends and holidays) over
    black rows (working days)."""
    def dentro_arredondado(x0, y0, x1, y1, raio):
        cx = min(max(x, x0 + raio), x1 - raio)
        cy = min(max(y, y0 + raio), y1 - raio)
        return (x - cx) ** 2 + (y - cy) ** 2 <= raio ** 2
    if not dentro_arredondado(0.04, 0.04, 0.96, 0.96, 0.16):
        return (0, 0, 0, 0)
    if not dentro_arredondado(0.20, 0.16, 0.80, 0.86, 0.05):
        return (0, 120, 60, 255)
    if y < 0.34:
        return (200, 30, 30, 255)
    for n in range(4):
        topo = 0.42 + n * 0.11
        if topo <= y < topo + 0.05 and 0.28 <= x < (0.72 if n % 2 == 0 else 0.60):
            return (30, 30, 30, 255)
    return (250, 250, 245, 255)


def bandeira(x, y, w=120, h=84):
    cx, cy = w / 2, h / 2
    if abs(x - cx) / (w * 0.43) + abs(y - cy) / (h * 0.40) <= 1:
        if (x - cx) ** 2 + (y - cy) ** 2 <= (h * 0.22) ** 2:
            faixa = abs((y - cy) + 0.25 * (x - cx) * ((x - cx) / w)) < 2.2
            return (255, 255, 255) if faixa else (20, 40, 120)
        return (250, 210, 20)
    return (0, 140, 60)


def capa_montanhas(x, y, w=480, h=320):
    horizonte = h * 0.62
    sol = (x - w * 0.72) ** 2 + (y - h * 0.28) ** 2 <= (h * 0.11) ** 2
    serra = h * 0.45 + 0.18 * h * math.sin(x / w * 7.0) + 0.06 * h * math.sin(x / w * 23.0)
    if y > horizonte:
        return (40, 110, 50)
    if y > serra:
        return (70, 90, 80)
    if sol:
        return (255, 200, 60)
    t = y / horizonte
    return (int(90 + 120 * t), int(150 + 80 * t), 230)


def capa_brasao(x, y, w=480, h=320):
    cx, cy = w / 2, h * 0.47
    dx, dy = abs(x - cx), y - cy
    escudo = dy < h * 0.30 and dy > -h * 0.30 and dx < w * 0.16 * (1 - max(0, dy) / (h * 0.34))
    if escudo:
        borda = dx > w * 0.16 * (1 - max(0, dy) / (h * 0.34)) - 5 or dy < -h * 0.30 + 5
        if borda:
            return (200, 170, 40)
        estrela = (dx ** 2 + (dy + h * 0.05) ** 2) <= (h * 0.07) ** 2
        return (240, 240, 240) if estrela else (20, 60, 120)
    return (30, 70, 40) if (x // 40 + y // 40) % 2 else (36, 80, 46)


destino = sys.argv[1] if len(sys.argv) > 1 else "instalacao"
grava_bmp(f"{destino}/Bandeira.bmp", 120, 84, bandeira)
grava_bmp(f"{destino}/Capa1.bmp", 480, 320, capa_montanhas)
grava_bmp(f"{destino}/Capa2.bmp", 480, 320, capa_brasao)
for lado in (16, 24, 32, 48, 64, 128, 256):
    pasta = f"{destino}/../icones/{lado}x{lado}"
    os.makedirs(pasta, exist_ok=True)
    grava_png(f"{pasta}/tarvolim.png", lado, icone)
