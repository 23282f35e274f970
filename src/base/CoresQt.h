#pragma once

#include <QColor>
#include <array>

class QWidget;

// Colour slots 1..13: the palette number each slot shows.
using SlotsCores = std::array<int, 14>;

// The 13 palette colours and the colour of each slot.
QColor CorDaPaleta(int numero);
QColor CorDoSlot(const SlotsCores& cores, int slot);
// Paints the widget's background (and, for lists and grids, their base).
void PintaFundo(QWidget* w, const QColor& cor);
