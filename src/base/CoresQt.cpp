#include "base/CoresQt.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPalette>
#include <QWidget>

QColor CorDaPaleta(int numero) {
    const QPalette p = QApplication::palette();
    switch (numero) {
    case 1:
        return p.color(QPalette::Button);
    case 2:
        return QColor(0, 255, 255);
    case 3:
        return p.color(QPalette::ToolTipBase);
    case 4:
        return QColor(215, 228, 242);
    case 5:
        return QColor(0, 0, 255);
    case 6:
        return QColor(192, 220, 192);
    case 7:
        return p.color(QPalette::Midlight);
    case 8:
        return QColor(0, 128, 0);
    case 9:
        return p.color(QPalette::Highlight);
    case 10:
        return p.color(QPalette::Base);
    case 11:
        return QColor(255, 251, 240);
    case 12:
        return QColor(153, 180, 209);
    case 13:
        return QColor(0, 128, 128);
    default:
        return p.color(QPalette::Window);
    }
}

QColor CorDoSlot(const SlotsCores& cores, int slot) {
    return CorDaPaleta(slot >= 1 && slot <= 13 ? cores[slot] : 0);
}

void PintaFundo(QWidget* w, const QColor& cor) {
    if (!w)
        return;
    QPalette p = w->palette();
    const QPalette::ColorRole papel =
        qobject_cast<QAbstractScrollArea*>(w) ? QPalette::Base : QPalette::Window;
    p.setColor(papel, cor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
