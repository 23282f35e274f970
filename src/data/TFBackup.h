#pragma once

#include "data/CopiaSeguranca.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TFCopiaSeg;

// FBackup, "Cópia de Segurança": writes the backup, restores the register from
// it, and opens the location screen FCopiaSeg. A restore and a change of
// location end the program (EncerraPrograma).
class TFBackup : public QDialog {
    Q_OBJECT
public:
    explicit TFBackup(CopiaSeguranca::Ambiente ambiente, QWidget* pai = nullptr);
    ~TFBackup() override;

    CopiaSeguranca::Ambiente& Ambiente() { return amb; }
    TFCopiaSeg* CopiaSeg() const { return fCopiaSeg; }
    // The register was restored, or the backup moved: the caller ends the
    // program.
    bool EncerraPrograma() const { return encerra; }
    // The register was restored; CadastroRecuperado was emitted.
    bool Recuperou() const { return recuperou; }

signals:
    // The restored register is in the tables, before the notice that the
    // program ends: the screens show it.
    void CadastroRecuperado();

protected:
    // Colours and the captions of the backup's root.
    void showEvent(QShowEvent* evento) override;

private:
    void MostraLocal();
    void Recuperar();
    void AlterarLocal();

    CopiaSeguranca::Ambiente amb;
    TFCopiaSeg* fCopiaSeg;
    QLabel* label2;
    QPushButton* bSalvar;
    QPushButton* bRecuperar;
    bool encerra = false;
    bool recuperou = false;
};
