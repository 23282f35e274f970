#pragma once

#include "engine/JanelasEscala.h"

#include <functional>
#include <memory>

class QLabel;
class QWidget;
class TFAviso;
class TFAvisoVerificar;
class TFEscVm;
class TFEscVmEsp;
class TFQuantMilSvDia;
class TFRetiraAlguem;
struct Sistema;

// The windows of the roster workflow, shown for real: created once, when the
// automatic roster tab is built at program start. While one of the modal
// windows is open the wait panel is hidden: the operator reads the tab, not a
// wait.
class JanelasEscalaQt : public JanelasEscala {
public:
    // lembrete is the button the reminder points at; painel is the tab's wait
    // panel; redesenha shows the tab's state again (when the workflow says
    // it changed, and while the decision is open).
    JanelasEscalaQt(Sistema& s, QWidget* lembrete, QLabel* painel, std::function<void()> redesenha);
    ~JanelasEscalaQt() override;

    void EstadoMudou() override;

    void MostraAviso() override;
    void MostraEscolhaVm() override;
    void MostraDecisao() override;
    void MostraQuantidades(bool modal) override;
    void Aguarde(const QString& texto, bool vermelho) override;
    void Pausa() override;
    void FimAguarde() override;
    void MostraLembrete(const QString& rotulo) override;
    void FechaLembrete() override;

    // The pause of "Verificar" (2 s); tests set 0.
    int PausaMs = 2000;

    std::unique_ptr<TFRetiraAlguem> FRetiraAlguem;
    std::unique_ptr<TFQuantMilSvDia> FQuantMilSvDia;
    std::unique_ptr<TFEscVm> FEscVm;
    std::unique_ptr<TFAviso> FAviso;
    std::unique_ptr<TFAvisoVerificar> FAvisoVerificar;
    std::unique_ptr<TFEscVmEsp> FEscVmEsp;

private:
    // Shows a modal window of the workflow with the wait panel hidden, and
    // the panel again afterwards when the workflow goes on computing.
    template <typename Janela> void Abre(Janela&& mostra);

    Sistema& sis;
    QWidget* alvoLembrete;
    QLabel* painel;
    std::function<void()> redesenha;
};
