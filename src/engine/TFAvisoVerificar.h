#pragma once

#include <QDialog>

class QLabel;

// FAvisoVerificar, the small reminder beside the main window that asks for a
// click on "Verificar". It does not block the other windows.
class TFAvisoVerificar : public QDialog {
    Q_OBJECT
public:
    explicit TFAvisoVerificar(QWidget* pai = nullptr);

    // Puts rotulo1 in Label1, places the reminder 200 px right of and 150 px
    // below the top-left corner of principal (when given), shows it and brings
    // it to the front.
    void Mostra(QWidget* principal, const QString& rotulo1);
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
