#pragma once

#include <QColor>

struct Sistema;
class QWidget;

// The 13 palette colours and the colour of each slot.
QColor CorDaPaleta(int numero);
QColor CorDoSlot(const Sistema& s, int slot);
// Paints the widget's background (and, for lists and grids, their base).
void PintaFundo(QWidget* w, const QColor& cor);
