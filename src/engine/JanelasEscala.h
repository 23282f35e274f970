#pragma once

#include <QString>

// The windows a roster operation opens in the middle of its steps. The
// program shows the real screens; tests and the headless command answer them.
// Before it opens one, the operation calls EstadoMudou(), so that what the
// operator must read (the lists, the buttons of the tab) is shown first.
class JanelasEscala {
public:
    virtual ~JanelasEscala() = default;
    // The tab's state (s.Aba, the three lists) changed: show it now.
    virtual void EstadoMudou() {}
    // The notice FAviso after a forecast that left slots unfilled (modal).
    virtual void MostraAviso() = 0;
    // The red-day choice FEscVm (modal).
    virtual void MostraEscolhaVm() = 0;
    // The post-forecast decision FRetiraAlguem (modal).
    virtual void MostraDecisao() = 0;
    // The daily quantity table FQuantMilSvDia: modal, or opened and closed at
    // once (which refreshes it).
    virtual void MostraQuantidades(bool modal) = 0;
    // The wait panel PAvisoAguarde, and the pause the screen makes while it
    // shows the black-day message.
    virtual void Aguarde(const QString& texto, bool vermelho) { (void)texto, (void)vermelho; }
    virtual void Pausa() {}
    virtual void FimAguarde() {}
    // The reminder FAvisoVerificar, shown (with that caption of its Label1, or
    // the one it has when rotulo is empty), and closed.
    virtual void MostraLembrete(const QString& rotulo) { (void)rotulo; }
    virtual void FechaLembrete() {}
};
