#pragma once

#include <QDialog>
#include <array>
#include <memory>

class QLineEdit;
class TFAlterarFoto;
class TFEscolherFoto;
struct Sistema;

// FPreencheCapa, "Preenchimento da Capa": the texts and picture of the "Capa"
// tab, kept in Niveis.Txt. Closing it rewrites the file; the main window's
// refresh that follows shows the new cover.
class TFPreencheCapa : public QDialog {
    Q_OBJECT
public:
    explicit TFPreencheCapa(Sistema& s, QWidget* pai = nullptr);
    ~TFPreencheCapa() override;

    void done(int resultado) override;

    TFEscolherFoto* EscolherFoto() const { return fEscolherFoto.get(); }
    TFAlterarFoto* AlterarFoto() const { return fAlterarFoto.get(); }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Sistema& sis;
    std::array<QLineEdit*, 6> edits{}; // Edit1 .. Edit6
    bool lido = false;
    std::unique_ptr<TFEscolherFoto> fEscolherFoto;
    std::unique_ptr<TFAlterarFoto> fAlterarFoto;
};
