#include "reports/TFQuadroEscalas.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/PesquisaServicos.h"
#include "reports/TFEscolherSv.h"
#include "reports/TFQuadroSv.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

TFQuadroEscalas::TFQuadroEscalas(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FQuadroEscalas"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("FQuadroEscalas"));
    escolha = new TFEscolherSv(s, this);

    auto* layout = new QVBoxLayout(this);
    auto* label1 = new QLabel(QStringLiteral("Militares e Serviços"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont f = label1->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    label1->setFont(f);
    layout->addWidget(label1, 0, Qt::AlignHCenter);

    auto* topo = new QHBoxLayout;
    auto* panel1 = new QGroupBox(QStringLiteral("Separar a pesquisa por:"), this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* botoes = new QHBoxLayout(panel1);
    auto* militares = Botao(panel1, "Button1", QStringLiteral("Nº, Nome ou Pst/Grd"));
    auto* servicos = Botao(panel1, "Button6", QStringLiteral("Serviços"));
    for (QPushButton* b : {militares, servicos})
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 28);
    botoes->addWidget(militares);
    botoes->addWidget(servicos);
    topo->addWidget(panel1);
    auto* voltar = Botao(this, "Button4", QStringLiteral("Voltar Pesquisa"));
    topo->addWidget(voltar, 0, Qt::AlignBottom);
    topo->addStretch();
    layout->addLayout(topo);

    scrollBox1 = new QScrollArea(this);
    scrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1->setWidgetResizable(true);
    scrollBox1->setFocusPolicy(Qt::NoFocus); // the grids take the focus
    auto* conteudo = new QWidget(scrollBox1);
    // One grid at a time: the full board or the narrowed one.
    auto* grades = new QStackedLayout(conteudo);
    grades->setContentsMargins(0, 0, 0, 0);
    sGQuadroEscalas = new GradeQuadro(QStringLiteral("SGQuadroEscalas"), conteudo);
    sGQuadroEscalasAux = new GradeQuadro(QStringLiteral("SGQuadroEscalasAux"), conteudo);
    grades->addWidget(sGQuadroEscalas);
    grades->addWidget(sGQuadroEscalasAux);
    scrollBox1->setWidget(conteudo);
    layout->addWidget(scrollBox1, 1);
    for (GradeQuadro* g : {sGQuadroEscalas, sGQuadroEscalasAux})
        connect(g, &GradeQuadro::CelulaClicada, this,
                [this] { scrollBox1->verticalScrollBar()->setValue(0); });

    // The initial build, run by the activation; never shown.
    auto* inicial = Botao(this, "BPesquisaInicial", QStringLiteral("Está em Form Activate"));
    inicial->hide();

    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    auto* imprimir = Botao(this, "Button3", QStringLiteral("Imprimir"));
    auto* sair = Botao(this, "Button2", QStringLiteral("Sair"));
    rodape->addWidget(imprimir);
    rodape->addWidget(sair);
    layout->addLayout(rodape);
    resize(900, 600);

    connect(inicial, &QPushButton::clicked, this, [this] {
        Tenta(sis.dialogos, [&] { PreencheQuadroEscalas(sis, estado); });
        Mostra();
    });
    connect(militares, &QPushButton::clicked, this, [this] {
        if (consulta)
            MontaParaMilitares(consulta(this));
    });
    connect(servicos, &QPushButton::clicked, this, &TFQuadroEscalas::EscolheServicos);
    connect(voltar, &QPushButton::clicked, this, &TFQuadroEscalas::Voltar);
    connect(imprimir, &QPushButton::clicked, this, &TFQuadroEscalas::Imprimir);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    setTabOrder(militares, servicos);
    setTabOrder(servicos, voltar);
    setTabOrder(voltar, sGQuadroEscalas);
    setTabOrder(sGQuadroEscalas, sGQuadroEscalasAux);
    setTabOrder(sGQuadroEscalasAux, imprimir);
    setTabOrder(imprimir, sair);
}

void TFQuadroEscalas::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    for (GradeQuadro* g : {sGQuadroEscalas, sGQuadroEscalasAux})
        PintaFundo(g, CorDoSlot(sis.SlotsCores, 3));
    findChild<QPushButton*>(QStringLiteral("BPesquisaInicial"))->click();
}

void TFQuadroEscalas::DefineConsulta(std::function<QStringList(QWidget*)> c) {
    consulta = std::move(c);
}

void TFQuadroEscalas::MontaParaMilitares(const QStringList& numeros) {
    Tenta(sis.dialogos, [&] { PreencheQuadroEscalas(sis, estado, numeros); });
    Mostra();
}

void TFQuadroEscalas::EscolheServicos() {
    if (!Tenta(sis.dialogos, [&] { PreparaEscolhaServicos(sis); }))
        return;
    escolha->exec();
    ::SeparaPorServicos(sis, estado);
    Mostra();
}

void TFQuadroEscalas::Voltar() {
    ::VoltaPesquisa(estado);
    Mostra();
}

void TFQuadroEscalas::Imprimir() {
    Tenta(sis.dialogos, [&] { ImprimeQuadro(sis.impressora, estado.Visivel()); });
}

void TFQuadroEscalas::Mostra() {
    GradeQuadro* grade = estado.AuxVisivel ? sGQuadroEscalasAux : sGQuadroEscalas;
    grade->Mostra(estado.Visivel());
    static_cast<QStackedLayout*>(grade->parentWidget()->layout())->setCurrentWidget(grade);
}
