#pragma once

#include <QTableWidget>

struct Sistema;

// SGPessoal, "Militares Fora da Escala", of the absence and return screens:
// read-only; a click on it tells so.
class TFQuadroAfastados : public QTableWidget {
    Q_OBJECT
public:
    TFQuadroAfastados(Sistema& s, QWidget* pai);

    // Fills the rows from VetBas as it stands; false when nobody is out.
    bool Mostra();

private:
    Sistema& sis;
};
