#include "shell/TFAbaPrimeiraUtilizacao.h"

#include "model/Sistema.h"
#include "shell/TFLinhaMenu.h"
#include "shell/TFPrincipal.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TFAbaPrimeiraUtilizacao::TFAbaPrimeiraUtilizacao(TFPrincipal& p)
    : QWidget(p.ConteudoAba(QStringLiteral("TabSheet5"))), sis(p.sis) {
    setObjectName(QStringLiteral("AbaPrimeiraUtilizacao"));
    auto* area = new QVBoxLayout(parentWidget());
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(this);

    auto* linhas = new QVBoxLayout(this);
    auto* label31 = new QLabel(
        QStringLiteral("Para a primeira utilização, clicar sequencialmente nas caixas abaixo"),
        this);
    label31->setObjectName(QStringLiteral("Label31"));
    QFont negrito = label31->font();
    negrito.setBold(true);
    label31->setFont(negrito);
    linhas->addWidget(label31);

    static constexpr std::array<std::pair<const char*, const char*>, NumPassos> Passos{{
        {"Label36",
         "1. Criar os diferentes serviços (Of Dia, Sgt Dia, Cb Dia, Plantão, Guarda, etc)"},
        {"Label37", "2. Incluir os militares no Sistema e nos Serviços "},
        {"Label41", "3. Ordenar as antiguidades dos militares "},
        {"Label51", "4. Cadastrar as folgas atuais dos militares "},
        {"Label59", "5. Informar a data da primeira escalação  "},
        {"Label58", "6. Informar o período de escalação e incluir os feriados"},
    }};
    for (int n = 1; n <= NumPassos; ++n) {
        const auto& [rotulo, texto] = Passos[n - 1];
        auto* linha = new QHBoxLayout;
        auto* caixa = new QCheckBox(this);
        caixa->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        auto* passo = new TFLinhaMenu(QString::fromLatin1(rotulo), QString::fromUtf8(texto), this);
        linha->addWidget(caixa);
        linha->addWidget(passo, 1);
        linhas->addLayout(linha);
        connect(caixa, &QCheckBox::clicked, this, [this, n] { ExecutaPasso(n); });
        connect(passo, &TFLinhaMenu::Clicada, this, [this, n] { ExecutaPasso(n); });
    }
    linhas->addStretch();
}

void TFAbaPrimeiraUtilizacao::DefineAcao(int passo, std::function<void()> acao) {
    acoes.Define(passo, std::move(acao));
}

void TFAbaPrimeiraUtilizacao::ExecutaPasso(int passo) {
    acoes.Executa(sis.dialogos, passo);
}
