#include "shell/TFAbaManutencao.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/ItensManutencao.h"
#include "model/Sistema.h"
#include "shell/TFLinhaMenu.h"
#include "shell/TFPrincipal.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct Item {
    const char* rotulo;
    const char* texto;
    bool fechaLista; // hides the result list before it runs
};

// Items 1..23, in number order; items 1..15 on page 1, the rest on page 2.
constexpr std::array<Item, TFAbaManutencao::NumItens + 1> Itens{{
    {nullptr, nullptr, false},
    {"Label13", "1. Criar/Alterar os diferentes Serviços (Of Dia, Sgt Dia, Plantão, etc)", true},
    {"Label2", "2. Inclusão/Exclusão/Alteração de militares no Sistema e/ou nos Serviços;", true},
    {"Label29", "3. Ordenar Antiguidade", false},
    {"Label60", "4. Reorganizar as \"Folgas\" dos militares", false},
    {"Label17", "5. Reiniciar o Sistema", false},
    {"Label8",
     "6. Alongar período de escalação e cadastrar Escalas Vermelhas  (dias sem expediente);", true},
    {"Label12", "7. Excluir do Histórico registros anteriores a determinado dia (exclusive);",
     true},
    {"Label35", "8. Desfazer escalação a partir de determinado dia (inclusive);", true},
    {"Label14", "9. Quadro Modelo com as formas de escrita dos Postos e Graduações.", false},
    {"Label4",
     "10. Retirar militar de todas as escalas temporariamente (férias, dispensa, baixa "
     "hospitalar, etc);",
     true},
    {"Label5",
     "11. Retornar militar para todas as escalas (retorno de férias, de dispensa, alta "
     "hospitalar, etc);",
     false},
    {"Label38", "12. Consulta e Alteração dos Arquivos do Sistema (de Pessoal  e dos Serviços);   ",
     true},
    {"Label15", "13. Preenchimento da Capa do Sistema", false},
    {"Label18", "14. Cópia de Segurança", false},
    {"Label61", "15. Mais .....", false},
    {"Label1", "16. Inclusão/Exclusão (individual) de militar no Sistema e/ou em Serviços;  ",
     true},
    {"Label63", "17. Perguntas mais  frequentes", false},
    {"Label10",
     "18. Relação dos militares CADASTRADOS no SISTEMA mas que não estão em nehuma escala;", false},
    {"Label11",
     "19. Relação dos militares NÃO CADASTRADOS no SISTEMA mas que estão em alguma escala;", false},
    {"Label6",
     "20. Reequilibrar Escalas (caso não haja equilíbrio entre as quantidades de serviços dos "
     "militares);",
     false},
    {"Label22", "21. Alterar as cores dos Formulários e Grades", false},
    {"Label28", "22. Manual do Sistema", false},
    {"Label62", "23. Voltar ...", false},
}};

constexpr int UltimoDaPagina1 = 15;

QString Dica(int item) {
    switch (item) {
    case 2:
    case 16:
        return QStringLiteral("Militar recém chegado: inclusão ou deixando a OM: exclusão");
    case 5:
        return QStringLiteral("Irá limpar todos os arquivos do sistema");
    case 7:
        return QStringLiteral("Elimina registros antigos liberando espaço no Banco de Dados");
    default:
        return QString();
    }
}

} // namespace

TFAbaManutencao::TFAbaManutencao(TFPrincipal& p)
    : QWidget(p.ConteudoAba(QStringLiteral("TabSheet2"))), principal(p), sis(p.sis) {
    setObjectName(QStringLiteral("AbaManutencao"));
    auto* area = new QVBoxLayout(parentWidget());
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(this);

    auto* coluna = new QVBoxLayout(this);
    paginas = new QStackedWidget(this);
    coluna->addWidget(paginas);
    QWidget* pagina = nullptr;
    QVBoxLayout* linhas = nullptr;
    for (int n = 1; n <= NumItens; ++n) {
        if (n == 1 || n == UltimoDaPagina1 + 1) {
            if (linhas)
                linhas->addStretch();
            pagina = new QWidget(paginas);
            pagina->setObjectName(QStringLiteral("Pagina%1").arg(n == 1 ? 1 : 2));
            linhas = new QVBoxLayout(pagina);
            paginas->addWidget(pagina);
        }
        auto* linha = new TFLinhaMenu(QString::fromLatin1(Itens[n].rotulo),
                                      QString::fromUtf8(Itens[n].texto), pagina);
        linha->setToolTip(Dica(n));
        linhas->addWidget(linha);
        connect(linha, &TFLinhaMenu::Clicada, this, [this, n] { ExecutaItem(n); });
    }
    auto* label3 = new TFLinhaMenu(
        QStringLiteral("Label3"),
        QStringLiteral("17. Cálculo automático das prioridades entre os serviços;"), pagina);
    label3->setToolTip(QStringLiteral("Para atualização manual, usar a opção 7."));
    label3->hide();
    linhas->addWidget(label3);
    connect(label3, &TFLinhaMenu::Clicada, this, [this] { prioridades.Executa(sis.dialogos, 1); });
    linhas->addStretch();

    listBox1 = new QListWidget(this);
    listBox1->setObjectName(QStringLiteral("ListBox1"));
    listBox1->setSortingEnabled(true);
    listBox1->hide();
    coluna->addWidget(listBox1, 1);

    auto* comando = new QHBoxLayout;
    edit8 = new QLineEdit(this);
    edit8->setObjectName(QStringLiteral("Edit8"));
    edit8->setMaximumWidth(60);
    auto* button1 = new QPushButton(QStringLiteral("Executar Item"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    comando->addWidget(edit8);
    comando->addWidget(button1);
    comando->addStretch();
    coluna->addLayout(comando);
    connect(button1, &QPushButton::clicked, this, &TFAbaManutencao::Button1Click);
    connect(edit8, &QLineEdit::returnPressed, this, &TFAbaManutencao::Button1Click);

    connect(&principal, &TFPrincipal::CoresAplicadas, this, &TFAbaManutencao::AplicaCores);

    MostraPagina(1);
}

void TFAbaManutencao::DefineAcao(int item, std::function<void()> acao) {
    acoes.Define(item, std::move(acao));
}

void TFAbaManutencao::DefineAcaoPrioridades(std::function<void()> acao) {
    // The priority calculation closes the result list first.
    prioridades.Define(1, [this, acao = std::move(acao)] {
        listBox1->hide();
        acao();
    });
}

void TFAbaManutencao::ExecutaItem(int item) {
    if (!acoes.Tem(item))
        return;
    if (Itens[item].fechaLista)
        listBox1->hide();
    acoes.Executa(sis.dialogos, item);
}

void TFAbaManutencao::MostraPagina(int pagina) {
    paginas->setCurrentIndex(pagina == 2 ? 1 : 0);
    listBox1->setVisible(pagina == 2);
}

void TFAbaManutencao::Button1Click() {
    const QString texto = edit8->text();
    if (texto.isEmpty()) {
        sis.dialogos.Aviso(QStringLiteral(
            "Digitar o número do item desejado\r ou clicar ao longo da linha do item"));
        return;
    }
    bool ok = false;
    const int item = texto.trimmed().toInt(&ok);
    if (!ok || item < 1 || item > NumItens) {
        sis.dialogos.Aviso(
            QStringLiteral("\"%1\" não é um número de item válido.\nDigite um número de 1 a %2.")
                .arg(texto)
                .arg(NumItens));
        return;
    }
    if (item == 17)
        prioridades.Executa(sis.dialogos, 1);
    else
        ExecutaItem(item);
}

void TFAbaManutencao::MostraResultado(const QColor& cor,
                                      const std::function<QStringList()>& linhas) {
    PintaFundo(listBox1, cor);
    listBox1->clear();
    listBox1->show();
    listBox1->addItems(linhas());
}

void TFAbaManutencao::AtualizaDepoisDaCopia() {
    Tenta(sis.dialogos, [this] {
        const auto [inicio, fim] = ReleDepoisDaCopia(sis);
        principal.MostraUltimaEscala(sis.UltimaEscala);
        emit PeriodoRelido(inicio, fim);
    });
}

void TFAbaManutencao::AplicaCores() {
    PintaFundo(listBox1, CorDoSlot(sis.SlotsCores, 2));
}

void TFAbaManutencao::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous())
        MostraPagina(1);
}
