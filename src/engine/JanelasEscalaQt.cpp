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

JanelasEscalaQt::JanelasEscalaQt(Sistema& s, QWidget* p, QLabel* aguarde,
                                 std::function<void()> redesenha)
    : FRetiraAlguem(std::make_unique<TFRetiraAlguem>(s)),
      FQuantMilSvDia(std::make_unique<TFQuantMilSvDia>(s)), FEscVm(std::make_unique<TFEscVm>(s)),
      FAviso(std::make_unique<TFAviso>()), FAvisoVerificar(std::make_unique<TFAvisoVerificar>()),
      FEscVmEsp(std::make_unique<TFEscVmEsp>(s)), sis(s), principal(p), painel(aguarde) {
    QObject::connect(FRetiraAlguem.get(), &TFRetiraAlguem::EstadoMudou, principal,
                     std::move(redesenha));
}

JanelasEscalaQt::~JanelasEscalaQt() = default;

void JanelasEscalaQt::MostraAviso() {
    FAviso->MostraAviso(sis.Aba.QAvisoAuxVisivel);
}

void JanelasEscalaQt::MostraEscolhaVm() {
    FEscVm->exec();
}

void JanelasEscalaQt::MostraDecisao() {
    FRetiraAlguem->exec();
}

void JanelasEscalaQt::MostraQuantidades(bool modal) {
    if (modal)
        FQuantMilSvDia->exec();
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
    const auto* atual = FAvisoVerificar->findChild<QLabel*>(QStringLiteral("Label1"));
    FAvisoVerificar->Mostra(principal, rotulo.isEmpty() && atual ? atual->text() : rotulo);
}

void JanelasEscalaQt::FechaLembrete() {
    FAvisoVerificar->close();
}
