#pragma once

#include "maintenance/FolgasIniciais.h"

#include <QDialog>

class QLabel;
class QTableWidget;
class TFEscolherSv;
struct Sistema;

// FEditaTabelasPrimEscala, "Formulário para Edição das Primeiras Folgas": the
// last black and red duty dates of the members of one duty at a time.
class TFEditaTabelasPrimEscala : public QDialog {
    Q_OBJECT
public:
    TFEditaTabelasPrimEscala(Sistema& s, QWidget* pai = nullptr);

    // The duty chooser that "Selecionar o Serviço" shows.
    TFEscolherSv* Escolha() const { return escolha; }

protected:
    // Activation: the counters normalised, colours, the grid emptied.
    void showEvent(QShowEvent* evento) override;

private:
    void Mostra();
    void Seleciona();
    void Grava();

    Sistema& sis;
    FolgasIniciais folgas;
    TFEscolherSv* escolha;
    QLabel* label5;
    QTableWidget* sgServico;
    bool preenchendo = false;
};
