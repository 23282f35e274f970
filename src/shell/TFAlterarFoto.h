#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
struct Sistema;

// FAlterarFoto, "Alterar fotografia": drive, folder and picture lists linked
// together; clicking a picture copies it into the data folder as ANovaFoto and
// closes the screen.
class TFAlterarFoto : public QDialog {
    Q_OBJECT
public:
    explicit TFAlterarFoto(Sistema& s, QWidget* pai = nullptr);

    // Shows the screen modally; the full name of the copy made, if any.
    std::optional<QString> Escolhe();
    // Lists the folders and pictures of a folder (the drive follows it).
    void MostraPasta(const QString& pasta);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Sistema& sis;
    QComboBox* drive;
    QLabel* caminho;
    QListWidget* diretorio;
    QListWidget* arquivos;
    QString pastaAtual;
    std::optional<QString> copia;
};
