#pragma once

#include <QLabel>

// A line of a menu tab: a label that runs its item when clicked.
class TFLinhaMenu : public QLabel {
    Q_OBJECT
public:
    TFLinhaMenu(const QString& nome, const QString& texto, QWidget* pai);

signals:
    void Clicada();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
