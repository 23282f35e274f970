#include "shell/TFAbaConsultas.h"

#include "model/Sistema.h"
#include "shell/TFLinhaMenu.h"
#include "shell/TFPrincipal.h"

#include <QVBoxLayout>

TFAbaConsultas::TFAbaConsultas(TFPrincipal& p)
    : QWidget(p.ConteudoAba(QStringLiteral("TabSheet1"))), sis(p.sis) {
    setObjectName(QStringLiteral("AbaConsultas"));
    auto* area = new QVBoxLayout(parentWidget());
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(this);

    static constexpr std::array<std::pair<const char*, const char*>, NumItens> Linhas{{
        {"Label33", "1.  Consultas ao Arquivo Histórico dos Serviços"},
        {"Label34", "2.  Quantidades de Serviços tirados pelos militares em determinado tempo "},
        {"Label9", "3.  Relações dos militares que concorrem a cada um dos Serviços."},
        {"LabelRegistro",
         "4.  Registro das alterações do cadastro (escalações, trocas, reinícios...)"},
    }};
    auto* linhas = new QVBoxLayout(this);
    for (int n = 1; n <= NumItens; ++n) {
        const auto& [rotulo, texto] = Linhas[n - 1];
        auto* linha = new TFLinhaMenu(QString::fromLatin1(rotulo), QString::fromUtf8(texto), this);
        linhas->addWidget(linha);
        connect(linha, &TFLinhaMenu::Clicada, this, [this, n] { ExecutaItem(n); });
    }
    linhas->addStretch();
}

void TFAbaConsultas::DefineAcao(int item, std::function<void()> acao) {
    acoes.Define(item, std::move(acao));
}

void TFAbaConsultas::ExecutaItem(int item) {
    acoes.Executa(sis.dialogos, item);
}
