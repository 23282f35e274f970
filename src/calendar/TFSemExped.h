#pragma once

#include "calendar/EscalaVermelha.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
struct Sistema;

// FSemExped, "Escala Vermelha": extends the roster period and keeps the list
// of red days. It has no close box and ignores Esc: "Sair" is the only way out.
class TFSemExped : public QDialog {
    Q_OBJECT
public:
    explicit TFSemExped(Sistema& s, QWidget* pai = nullptr);

    const EstadoSemExped& Estado() const { return estado; }
    // "Dia Inicial" and "Dia Final" as the roster period file holds them (after
    // a backup); the next activation reads them again.
    void MostraPeriodo(Data inicio, Data fim);

public slots:
    // Esc and the window's close request do nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Ativa();
    void IncluirAutomatico();
    void IncluirFeriados();
    void Incluir();
    void Excluir();
    void Sair();
    void MostraInclusao();
    void MostraExclusao();
    void MostraListagem();
    void Lista();

    Sistema& sis;
    EstadoSemExped estado;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QTableWidget* grade;
    QListWidget* lista;
    QPushButton* incluir;
    QPushButton* excluir;
};
