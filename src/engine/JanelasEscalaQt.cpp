#include "engine/JanelasEscalaQt.h"

#include "engine/TFAviso.h"
#include "engine/TFAvisoVerificar.h"
#include "engine/TFEscVm.h"
#include "engine/TFEscVmEsp.h"
#include "engine/TFRetiraAlguem.h"
#include "model/Sistema.h"
#include "reports/TFQuantMilSvDia.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

JanelasEscalaQt::JanelasEscalaQt(Sistema& s, QWidget* lembrete, QLabel* aguarde,
                                 std::function<void()> mostraEstado)
    : FRetiraAlguem(std::make_unique<TFRetiraAlguem>(s)),
      FQuantMilSvDia(std::make_unique<TFQuantMilSvDia>(s)), FEscVm(std::make_unique<TFEscVm>(s)),
      FAviso(std::make_unique<TFAviso>()), FAvisoVerificar(std::make_unique<TFAvisoVerificar>()),
      FEscVmEsp(std::make_unique<TFEscVmEsp>(s)), sis(s), alvoLembrete(lembrete), painel(aguarde),
      redesenha(std::move(mostraEstado)) {
    QObject::connect(FRetiraAlguem.get(), &TFRetiraAlguem::EstadoMudou, aguarde,
                     [this] { redesenha(); });
}

JanelasEscalaQt::~JanelasEscalaQt() = default;

void JanelasEscalaQt::EstadoMudou() {
    redesenha();
}

template <typename Janela> void JanelasEscalaQt::Abre(Janela&& mostra) {
    const bool aguardando = !painel->isHidden();
    painel->hide();
    mostra();
    if (aguardando)
        painel->show();
}

void JanelasEscalaQt::MostraAviso() {
    Abre([this] { FAviso->MostraAviso(sis.Aba.QAvisoAuxVisivel); });
}

void JanelasEscalaQt::MostraEscolhaVm() {
    Abre([this] { FEscVm->exec(); });
}

void JanelasEscalaQt::MostraDecisao() {
    Abre([this] { FRetiraAlguem->exec(); });
}

void JanelasEscalaQt::MostraQuantidades(bool modal) {
    if (modal)
        Abre([this] { FQuantMilSvDia->exec(); });
    else
        FQuantMilSvDia->MostraEFecha();
}

void JanelasEscalaQt::Aguarde(const QString& texto, bool vermelho) {
    painel->setText(texto);
    painel->setStyleSheet(vermelho ? QStringLiteral("QLabel { color: red; }")
                                   : QStringLiteral("QLabel { color: black; }"));
    painel->show();
    painel->repaint();
}

void JanelasEscalaQt::Pausa() {
    if (PausaMs <= 0)
        return;
    QEventLoop espera;
    QTimer::singleShot(PausaMs, &espera, &QEventLoop::quit);
    espera.exec(QEventLoop::ExcludeUserInputEvents);
}

void JanelasEscalaQt::FimAguarde() {
    painel->hide();
}

void JanelasEscalaQt::MostraLembrete(const QString& rotulo) {
    FAvisoVerificar->Mostra(alvoLembrete, rotulo);
}

void JanelasEscalaQt::FechaLembrete() {
    FAvisoVerificar->close();
}
