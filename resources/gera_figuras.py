#!/usr/bin/env python3
"""Draws the installation pictures (24-bit BMP): the tab flag and the covers."""
import math
import struct
import sys


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
