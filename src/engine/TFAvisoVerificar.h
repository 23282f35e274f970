#pragma once

#include <QDialog>

class QLabel;

// FAvisoVerificar, the small reminder beside the main window that asks for a
// click on "Verificar". It does not block the other windows.
class TFAvisoVerificar : public QDialog {
    Q_OBJECT
public:
    explicit TFAvisoVerificar(QWidget* pai = nullptr);

    // Puts rotulo1 in Label1 (an empty one keeps the caption it has), places
    // the reminder right below botao (when given), the button it points at,
    // so that it covers the top of the tab and not its lists, shows it and
    // brings it to the front.
    void Mostra(QWidget* botao, const QString& rotulo1);
    // Brings it to the front, when it is showing.
    void TrazParaFrente();

    // Closing, however it happens (also when it is not showing), puts the
    // usual caption back in Label1.
    void done(int resultado) override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void RotuloPadrao();

    QLabel* label1;
};
