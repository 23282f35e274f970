#include "engine/TFRetiraAlguem.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "engine/Instrucoes.h"
#include "engine/TFForaEscSgte.h"
#include "engine/TFObrigaEscSgte.h"
#include "model/Sistema.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Unchecks a button of an exclusive group.
void Desmarca(QRadioButton* botao) {
    botao->setAutoExclusive(false);
    botao->setChecked(false);
    botao->setAutoExclusive(true);
}

} // namespace

TFRetiraAlguem::TFRetiraAlguem(Sistema& s, QWidget* pai)
    : QDialog(pai), sis(s), retirada(new TFForaEscSgte(s, this)),
      forcada(new TFObrigaEscSgte(s, this)) {
    setObjectName(QStringLiteral("FRetiraAlguem"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Retirar Militar da Escala"));
    setModal(true);

    auto* coluna = new QVBoxLayout(this);
    auto* rotulo = new QLabel(QStringLiteral("Escolha uma opção:"), this);
    rotulo->setObjectName(QStringLiteral("Label1"));
    coluna->addWidget(rotulo);
    const QString textos[] = {QString(), QStringLiteral("Retirar algum militar da escala"),
                              QStringLiteral("Estou pronto para escalar os serviços"),
                              QStringLiteral("Continuar a Verificar"),
                              QStringLiteral("Forçar a escalação de militar")};
    for (int n = 1; n <= 4; ++n) {
        botoes[n] = new QRadioButton(textos[n], this);
        botoes[n]->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        coluna->addWidget(botoes[n]);
    }

    const auto aoMarcar = [this](int n, auto acao) {
        connect(botoes[n], &QRadioButton::toggled, this, [acao](bool marcado) {
            if (marcado)
                acao();
        });
    };
    aoMarcar(1, [this] { Instrucao(botoes[1], retirada); });
    aoMarcar(2, [this] { Pronto(); });
    aoMarcar(3, [this] { ContinuarAVerificar(); });
    aoMarcar(4, [this] { Instrucao(botoes[4], forcada); });
}

void TFRetiraAlguem::showEvent(QShowEvent* evento) {
    if (parentWidget())
        move(x(), parentWidget()->window()->y());
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    for (int n = 1; n <= 3; ++n)
        Desmarca(botoes[n]);
    QDialog::showEvent(evento);
}

void TFRetiraAlguem::Instrucao(QRadioButton* botao, QDialog* dialogo) {
    botoes[2]->setEnabled(false);
    dialogo->exec();
    Desmarca(botao);
    DepoisDaInstrucao(sis);
    emit EstadoMudou();
}

void TFRetiraAlguem::Pronto() {
    ProntoParaEscalar(sis);
    emit EstadoMudou();
    accept();
}

void TFRetiraAlguem::ContinuarAVerificar() {
    botoes[2]->setEnabled(true);
    emit EstadoMudou();
    accept();
}

void TFRetiraAlguem::done(int resultado) {
    FechaDecisao(sis);
    QDialog::done(resultado);
}
