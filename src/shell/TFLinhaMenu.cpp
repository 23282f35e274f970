#include "shell/TFLinhaMenu.h"

#include <QMouseEvent>

TFLinhaMenu::TFLinhaMenu(const QString& nome, const QString& texto, QWidget* pai)
    : QLabel(texto, pai) {
    setObjectName(nome);
    setCursor(Qt::PointingHandCursor);
}

void TFLinhaMenu::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Clicada();
}
