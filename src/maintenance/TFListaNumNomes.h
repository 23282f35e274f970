#pragma once

#include "maintenance/ConsultaPessoal.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct Sistema;

// FListaNumNomes, "Consulta Pessoal": finds persons by number, name or rank.
// One window for the whole run: F1 shows it beside the screen it was pressed
// on, the boards show it modally and read the lines left selected; it is
// never open twice.
class TFListaNumNomes : public QDialog {
    Q_OBJECT
public:
    explicit TFListaNumNomes(Sistema& s, QWidget* pai = nullptr);

    // Answers F1 on every window marked with MarcaConsultaF1.
    void AtendeF1();
    // Shows the window beside tela, not modally; when it is open already it is
    // moved there (or just raised, when it is open modally).
    void MostraAoLado(QWidget* tela);
    // Shows it modally over chamador; when it closes, the lines the operator
    // left selected are in LinhasSelecionadas().
    void MostraModal(QWidget* chamador);

    // The result list's selected lines, in list order, and their numbers.
    QStringList LinhasSelecionadas() const;
    QStringList NumerosSelecionados() const;

protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    enum class Modo { Todos, Numero, Nome, Posto };
    // FormActivate: the full list with all three inputs empty.
    void Ativacao();
    void MostraModo(Modo modo);
    void Button3Click();
    void Button1Click();
    void Expande(bool aberta);
    void PoeLinhas(const QStringList& linhas);
    void MostraResultado(bool visivel);

    Sistema& sis;
    ConsultaPessoal consulta;
    QLabel* label2;
    QLabel* label3;
    QLabel* label4;
    QLineEdit* edit4;
    QLineEdit* edit5;
    QListWidget* listBox2;
    QPushButton* button1;
    QPushButton* button2;
    QPushButton* button3;
    QListWidget* listBox1;
    QLabel* image1;
    QPlainTextEdit* memo1;
    bool desativada = false; // another window was active since the last activation
};
