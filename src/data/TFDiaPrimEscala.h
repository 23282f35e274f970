#pragma once

#include "data/Reinicio.h"

#include <QDialog>

class QLineEdit;

// FDiaPrimEscala, "Dia da Primeira Escalação": fixes the first day to be
// rostered and restores the text files from their templates; then the program
// ends (EncerraPrograma).
class TFDiaPrimEscala : public QDialog {
    Q_OBJECT
public:
    explicit TFDiaPrimEscala(const Reinicio::Ambiente& ambiente, QWidget* pai = nullptr);
    // The first day was fixed: the caller ends the program.
    bool EncerraPrograma() const { return encerra; }

protected:
    // Colours; Edit1 becomes tomorrow.
    void showEvent(QShowEvent* evento) override;

private:
    void Executa();

    Reinicio::Ambiente amb;
    QLineEdit* edit1;
    bool encerra = false;
};
