#include "maintenance/TFIncExcCol.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/RelacaoServicosQt.h"
#include "model/Sistema.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int LinhasDasGrades = 500;

// Column 0 of the grids holds the number, which an alteration does not edit.
class NumeroFixo : public QStyledItemDelegate {
public:
    NumeroFixo(std::function<bool()> fixo, QObject* pai)
        : QStyledItemDelegate(pai), fixo(std::move(fixo)) {}
    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao,
                          const QModelIndex& indice) const override {
        if (fixo())
            return nullptr;
        return QStyledItemDelegate::createEditor(pai, opcao, indice);
    }

private:
    std::function<bool()> fixo;
};

// A grid of 500 editable rows whose columns are wide enough for the sample
// texts.
QTableWidget* Grade(QWidget* pai, const char* nome, const QStringList& titulos,
                    const QStringList& amostras) {
    auto* g =
        Nomeado(new QTableWidget(LinhasDasGrades, static_cast<int>(titulos.size()), pai), nome);
    g->setHorizontalHeaderLabels(titulos);
    g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const QFontMetrics fm = g->fontMetrics();
    int total = g->verticalHeader()->sizeHint().width();
    for (int c = 0; c < titulos.size(); ++c) {
        const int largura =
            std::max(fm.horizontalAdvance(amostras[c]), fm.horizontalAdvance(titulos[c])) + 20;
        g->setColumnWidth(c, largura);
        total += largura;
    }
    g->setMinimumWidth(total + g->verticalScrollBar()->sizeHint().width() + 2 * g->frameWidth());
    g->verticalHeader()->setDefaultSectionSize(fm.height() + 8);
    g->setMinimumHeight(g->horizontalHeader()->sizeHint().height() + (fm.height() + 8) * 14 +
                        2 * g->frameWidth());
    return g;
}

void Limpa(QTableWidget* g) {
    g->clearContents();
    g->setRowCount(LinhasDasGrades);
}

QString Texto(const QTableWidget* g, int r, int c) {
    const QTableWidgetItem* item = g->item(r, c);
    return item ? item->text() : QString();
}

void DefineTexto(QTableWidget* g, int r, int c, const QString& texto) {
    if (r >= g->rowCount())
        g->setRowCount(r + 1);
    g->setItem(r, c, new QTableWidgetItem(texto));
}

// The rows of a grid up to the last one that holds a text.
QList<LinhaColetiva> LeLinhas(const QTableWidget* g) {
    QList<LinhaColetiva> linhas;
    int ultima = -1;
    for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < 4; ++c)
            if (!Texto(g, r, c).isEmpty())
                ultima = r;
    for (int r = 0; r <= ultima; ++r)
        linhas.append({Texto(g, r, 0), Texto(g, r, 1), Texto(g, r, 2), Texto(g, r, 3), {}});
    return linhas;
}

void Escreve(QTableWidget* g, int r, const LinhaColetiva& l, bool observacoes) {
    DefineTexto(g, r, 0, l.Num);
    DefineTexto(g, r, 1, l.PstGrd);
    DefineTexto(g, r, 2, l.Nome);
    DefineTexto(g, r, 3, l.Servicos);
    if (observacoes)
        DefineTexto(g, r, 4, l.Observacoes);
}

} // namespace

TFIncExcCol::TFIncExcCol(Sistema& s, JanelaCorrigePstGrd& correcao, QWidget* pai)
    : QDialog(pai), sis(s), cadastro(s, correcao) {
    setObjectName(QStringLiteral("FIncExcCol"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Inclusão/Exclusão Coletiva"));

    auto* principal = new QHBoxLayout(this);
    auto* coluna = new QVBoxLayout;
    principal->addLayout(coluna);

    auto* rgPessoal =
        Nomeado(new QGroupBox(QStringLiteral("Cadastro de Pessoal"), this), "RGPessoal");
    auto* linhaItens = new QHBoxLayout(rgPessoal);
    grupo = new QButtonGroup(this);
    const QStringList textos = {QStringLiteral("Incluir militar"),
                                QStringLiteral("Excluir militar"), QStringLiteral("Alterar dados")};
    const std::array<OperacaoColetiva, 3> operacoes = {
        OperacaoColetiva::Incluir, OperacaoColetiva::Excluir, OperacaoColetiva::Alterar};
    for (int i = 0; i < 3; ++i) {
        itens[i] = new QRadioButton(textos[i], rgPessoal);
        itens[i]->setObjectName(QStringLiteral("RGPessoalItem%1").arg(i));
        grupo->addButton(itens[i]);
        linhaItens->addWidget(itens[i]);
        const OperacaoColetiva op = operacoes[i];
        connect(itens[i], &QRadioButton::clicked, this, [this, op] { Escolhe(op); });
    }
    coluna->addWidget(rgPessoal);

    const QStringList titulos = {QStringLiteral("Número"), QStringLiteral("Pst/Grd"),
                                 QStringLiteral("Nome"), QStringLiteral("Serviços")};
    const QStringList amostras = {QStringLiteral("0000"), QStringLiteral("WWWWWWW"),
                                  QStringLiteral("WWWWWWWWWWWWWWW"),
                                  QStringLiteral("10,11,12,13,14,15")};
    sgPesPcp = Grade(this, "SGPesPcp", titulos, amostras);
    sgPesAux = Grade(this, "SGPesAux", titulos + QStringList{QStringLiteral("Observações")},
                     amostras + QStringList{QStringLiteral("Campos Número, Posto e Nome são "
                                                           "obrigatórios")});
    for (QTableWidget* g : {sgPesPcp, sgPesAux}) {
        g->setItemDelegateForColumn(
            0,
            new NumeroFixo([this] { return cadastro.Operacao() == OperacaoColetiva::Alterar; }, g));
        connect(g, &QTableWidget::cellClicked, this,
                [this](int, int coluna) { CliqueNaGrade(coluna); });
    }

    coluna->addWidget(sgPesPcp);
    bExecutar = Botao(this, "BExecutar", QStringLiteral("Incluir"));
    button7 = Botao(this, "Button7", QStringLiteral("Alterar"));
    auto* linhaPcp = new QHBoxLayout;
    linhaPcp->addWidget(bExecutar);
    linhaPcp->addWidget(button7);
    linhaPcp->addStretch();
    coluna->addLayout(linhaPcp);

    listBox6 = Nomeado(new QListWidget(this), "ListBox6");
    listBox6->setSelectionMode(QAbstractItemView::ExtendedSelection);
    {
        const QFontMetrics fm = listBox6->fontMetrics();
        const LinhaColetiva exemplo{QStringLiteral("0000"),
                                    QStringLiteral("WWWWWWW"),
                                    QStringLiteral("WWWWWWWWWWWWWWW"),
                                    QStringLiteral("10,11,12,13,14,15"),
                                    {}};
        listBox6->setMinimumWidth(
            std::max(fm.horizontalAdvance(CadastroColetivo::Cabecalho()),
                     fm.horizontalAdvance(CadastroColetivo::LinhaDaRelacao(exemplo))) +
            listBox6->verticalScrollBar()->sizeHint().width() + 2 * listBox6->frameWidth() + 8);
        listBox6->setMinimumHeight(fm.height() * 16);
    }
    coluna->addWidget(listBox6);
    button6 = Botao(this, "Button6", QStringLiteral("Excluir"));
    button5 = Botao(this, "Button5", QStringLiteral("Agrupar Selecionados"));
    auto* linhaLista = new QHBoxLayout;
    linhaLista->addWidget(button6);
    linhaLista->addWidget(button5);
    linhaLista->addStretch();
    coluna->addLayout(linhaLista);

    coluna->addWidget(sgPesAux);
    bExecDenovo = Botao(this, "BExecDenovo", QStringLiteral("Executar de Novo"));
    coluna->addWidget(bExecDenovo, 0, Qt::AlignLeft);
    coluna->addStretch();

    auto* sair = Botao(this, "Button4", QStringLiteral("Sair"));
    coluna->addWidget(sair, 0, Qt::AlignRight);

    connect(bExecutar, &QPushButton::clicked, this, &TFIncExcCol::Incluir);
    connect(button7, &QPushButton::clicked, this, &TFIncExcCol::Alterar);
    connect(button6, &QPushButton::clicked, this, &TFIncExcCol::Excluir);
    connect(button5, &QPushButton::clicked, this, &TFIncExcCol::Agrupar);
    connect(bExecDenovo, &QPushButton::clicked, this, &TFIncExcCol::ExecutarDeNovo);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);

    // The list of duties is painted on the form itself, over this empty area.
    areaRelacao = Nomeado(new QWidget(this), "AreaRelacao");
    areaRelacao->setMinimumSize(TamanhoRelacaoServicos(font()));
    principal->addWidget(areaRelacao, 0, Qt::AlignTop);
    EscondeTrabalho();
}

void TFIncExcCol::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    EscondeTrabalho();
    relacaoVisivel = false;
    grupo->setExclusive(false);
    for (QRadioButton* b : itens)
        b->setChecked(false);
    grupo->setExclusive(true);
    Limpa(sgPesPcp);
    Limpa(sgPesAux);
    listBox6->clear();
    Tenta(sis.dialogos, [&] { cadastro.Abre(); });
    QDialog::showEvent(evento);
}

void TFIncExcCol::EscondeTrabalho() {
    for (QWidget* w : std::initializer_list<QWidget*>{sgPesPcp, sgPesAux, bExecutar, listBox6,
                                                      button5, button6, button7, bExecDenovo})
        w->hide();
}

void TFIncExcCol::Escolhe(OperacaoColetiva operacao) {
    EscondeTrabalho();
    relacaoVisivel = true;
    update();
    Limpa(sgPesAux);
    if (!Tenta(sis.dialogos, [&] { cadastro.Escolhe(operacao); }))
        return;
    if (operacao == OperacaoColetiva::Incluir) {
        Limpa(sgPesPcp);
        sgPesPcp->show();
        bExecutar->show();
        return;
    }
    MostraRelacao();
    listBox6->show();
    (operacao == OperacaoColetiva::Excluir ? button6 : button5)->show();
}

void TFIncExcCol::MostraRelacao() {
    listBox6->clear();
    listBox6->addItem(CadastroColetivo::Cabecalho());
    listBox6->item(0)->setFlags(Qt::ItemIsEnabled);
    for (const LinhaColetiva& m : cadastro.Relacao())
        listBox6->addItem(CadastroColetivo::LinhaDaRelacao(m));
}

QList<int> TFIncExcCol::Selecionados() const {
    QList<int> posicoes;
    for (int r = 1; r < listBox6->count(); ++r)
        if (listBox6->item(r)->isSelected())
            posicoes << r - 1;
    return posicoes;
}

void TFIncExcCol::Incluir() {
    Executa([this](const QList<LinhaColetiva>& l) { return cadastro.Inclui(l); });
}

void TFIncExcCol::Alterar() {
    Executa([this](const QList<LinhaColetiva>& l) { return cadastro.Altera(l); });
}

void TFIncExcCol::Executa(
    const std::function<QList<LinhaColetiva>(const QList<LinhaColetiva>&)>& operacao) {
    const QList<LinhaColetiva> linhas = LeLinhas(sgPesPcp);
    QPushButton* botao = cadastro.Operacao() == OperacaoColetiva::Incluir ? bExecutar : button7;
    EscondeTrabalho();
    sgPesAux->show();
    bExecDenovo->show();
    QList<LinhaColetiva> recusadas;
    if (!Tenta(sis.dialogos, [&] { recusadas = operacao(linhas); })) {
        // Nothing was written: the rows stay in the work grid for another try.
        EscondeTrabalho();
        sgPesPcp->show();
        botao->show();
        return;
    }
    Limpa(sgPesAux);
    for (int r = 0; r < recusadas.size(); ++r)
        Escreve(sgPesAux, r, recusadas[r], true);
    Limpa(sgPesPcp);
}

void TFIncExcCol::Excluir() {
    const QList<int> posicoes = Selecionados();
    if (posicoes.isEmpty())
        return;
    Tenta(sis.dialogos, [&] { cadastro.Exclui(posicoes); });
    MostraRelacao();
}

void TFIncExcCol::Agrupar() {
    const QList<LinhaColetiva> linhas = cadastro.Agrupa(Selecionados());
    EscondeTrabalho();
    sgPesPcp->show();
    button7->show();
    for (int r = 0; r < linhas.size(); ++r)
        Escreve(sgPesPcp, r, linhas[r], false);
}

void TFIncExcCol::ExecutarDeNovo() {
    const OperacaoColetiva op = cadastro.Operacao();
    if (op != OperacaoColetiva::Incluir && op != OperacaoColetiva::Alterar)
        return;
    EscondeTrabalho();
    sgPesPcp->show();
    (op == OperacaoColetiva::Incluir ? bExecutar : button7)->show();
    Limpa(sgPesPcp);
    const QList<LinhaColetiva> corrigidas = LeLinhas(sgPesAux);
    for (int r = 0; r < corrigidas.size(); ++r)
        Escreve(sgPesPcp, r, corrigidas[r], false);
    Limpa(sgPesAux);
    Executa([this](const QList<LinhaColetiva>& l) { return cadastro.ExecutaDeNovo(l); });
}

void TFIncExcCol::CliqueNaGrade(int coluna) {
    if (coluna == 0 && cadastro.Operacao() == OperacaoColetiva::Alterar)
        sis.dialogos.Aviso(QStringLiteral("Não é permitido alterar o número"));
}

void TFIncExcCol::done(int resultado) {
    EscondeTrabalho();
    Tenta(sis.dialogos, [&] { cadastro.Fecha(); });
    QDialog::done(resultado);
}

void TFIncExcCol::paintEvent(QPaintEvent* evento) {
    QDialog::paintEvent(evento);
    if (!relacaoVisivel)
        return;
    QPainter p(this);
    PintaRelacaoServicos(p, areaRelacao->geometry(), sis, font());
}
