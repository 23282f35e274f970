#pragma once

#include "data/Reinicio.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QRadioButton;

// FInicReinicSist, "Iniciar / Reiniciar Sistema": starts the roster afresh
// from a chosen day, keeping or dropping the register and the history; then
// the program ends (EncerraPrograma).
class TFInicReinicSist : public QDialog {
    Q_OBJECT
public:
    explicit TFInicReinicSist(const Reinicio::Ambiente& ambiente, QWidget* pai = nullptr);
    // The reset ran: the caller ends the program.
    bool EncerraPrograma() const { return encerra; }

protected:
    // Colours; Edit1 becomes tomorrow, both choices on their first item.
    void showEvent(QShowEvent* evento) override;

private:
    void MontaHistorico(const QString& manter, const QString& eliminar);
    void Executa();

    Reinicio::Ambiente amb;
    QLineEdit* edit1;
    QGroupBox* rgLimpaBD;
    QGroupBox* rgHistorico;
    QRadioButton* limpaBD[2];
    QRadioButton* historico[2];
    bool encerra = false;
};
