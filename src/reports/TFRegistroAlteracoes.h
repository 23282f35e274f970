#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;
struct Sistema;

// "Registro das Alterações" (Consultas item 4): the change log of a period,
// read only.
class TFRegistroAlteracoes : public QDialog {
    Q_OBJECT
public:
    explicit TFRegistroAlteracoes(Sistema& s, QWidget* pai = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // "Filtrar": the entries of the period typed.
    void Filtra();

    Sistema& sis;
    QLineEdit* eDe;
    QLineEdit* eAte;
    QTableWidget* sGRegistro;
};
