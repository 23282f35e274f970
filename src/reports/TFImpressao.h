#pragma once

#include <QDialog>

class QLineEdit;
struct Sistema;

// FImpressao, "Formulário para Impressão": the two header lines and the
// closing line of the printed roster (Impressao.Txt) and the page length;
// "Imprimir" prints the forecast listing and closes. However it closes, the
// three lines are written back to Impressao.Txt.
class TFImpressao : public QDialog {
    Q_OBJECT
public:
    explicit TFImpressao(Sistema& s, QWidget* pai = nullptr);

    // Reads Impressao.Txt into the fields and shows the form modally; a file
    // that cannot be read is told and the form does not open.
    void Abre();
    void done(int resultado) override;

private:
    void Imprime();

    Sistema& sis;
    QLineEdit* ePrimLin;
    QLineEdit* eSegLin;
    QLineEdit* eUltimaLin;
    QLineEdit* eLinMax;
    bool aberto = false;
};
