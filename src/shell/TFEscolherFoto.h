#pragma once

#include <QDialog>
#include <optional>

class QListWidget;
struct Sistema;

// FEscolherFoto, "Escolher uma fotografia": the pictures of the data folder;
// clicking one chooses it and closes the screen.
class TFEscolherFoto : public QDialog {
    Q_OBJECT
public:
    explicit TFEscolherFoto(Sistema& s, QWidget* pai = nullptr);

    // Shows the screen modally; the name of the picture clicked, if any.
    std::optional<QString> Escolhe();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Sistema& sis;
    QListWidget* arquivos;
    std::optional<QString> escolhida;
};
